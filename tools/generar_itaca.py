#!/usr/bin/env python3
"""Genera un documento ITACA verosímil de un instituto valenciano (ESO y
Bachillerato), del tamaño pedido y siempre igual para los mismos argumentos.

    python3 tools/generar_itaca.py --megas N --semilla S [--salida F]

Sin --salida escribe en la salida estándar. N admite decimales (0.1 da un
instituto de unos 100 KB); un mega son 1 048 576 bytes. Con más megas crecen
los grupos, los docentes, las aulas y las filas de horario.

Sólo biblioteca estándar. Cada grupo, docente y aula sale de su propio
generador aleatorio (sembrado con la semilla y su número), así que el
documento se escribe de corrido, sección a sección, sin guardarlo entero en
memoria.
"""

import argparse
import random
import sys

MEGA = 1024 * 1024

DIAS = ["L", "M", "X", "J", "V"]

# (código de enseñanza, abreviatura, nombre valenciano, nombre castellano)
ENSENANZAS = [
    ("3", "ESO", "Educació Secundària Obligatòria", "Educación Secundaria Obligatoria"),
    ("5", "BACH", "Batxillerat", "Bachillerato"),
    ("7", "CFGM", "Cicles Formatius de Grau Mitjà", "Ciclos Formativos de Grado Medio"),
]

# Cursos: (clave interna, abreviatura, padre (clave interna o None), enseñanza,
# nombre val, nombre cas, ¿tiene grupos?, peso en el reparto de grupos)
CURSOS = [
    ("1ESO", "1ESO", None, "3", "1r d'ESO", "1º de ESO", True, 4),
    ("2ESO", "2ESO", None, "3", "2n d'ESO", "2º de ESO", True, 4),
    ("3ESO", "3ESO", None, "3", "3r d'ESO", "3º de ESO", True, 3),
    ("4ESO", "4ESO", None, "3", "4t d'ESO", "4º de ESO", True, 3),
    ("PDC", "PDC", None, "3", "Programa de Diversificació Curricular",
     "Programa de Diversificación Curricular", False, 0),
    ("1BAT", "1BACH", None, "5", "1r de Batxillerat", "1º de Bachillerato", False, 0),
    ("2BAT", "2BACH", None, "5", "2n de Batxillerat", "2º de Bachillerato", False, 0),
    ("1BCT", "1BACH-CT", "1BAT", "5", "1r Batxillerat Ciències i Tecnologia",
     "1º Bachillerato Ciencias y Tecnología", True, 2),
    ("1BHS", "1BACH-HCS", "1BAT", "5", "1r Batxillerat Humanitats i Ciències Socials",
     "1º Bachillerato Humanidades y Ciencias Sociales", True, 2),
    ("2BCT", "2BACH-CT", "2BAT", "5", "2n Batxillerat Ciències i Tecnologia",
     "2º Bachillerato Ciencias y Tecnología", True, 2),
    ("2BHS", "2BACH-HCS", "2BAT", "5", "2n Batxillerat Humanitats i Ciències Socials",
     "2º Bachillerato Humanidades y Ciencias Sociales", True, 1),
]

# Materias: (nombre val, nombre cas, horas semanales, aula especial o None)
MATERIAS_ESO = [
    ("Valencià: Llengua i Literatura", "Valenciano: Lengua y Literatura", 4, None),
    ("Llengua Castellana i Literatura", "Lengua Castellana y Literatura", 4, None),
    ("Matemàtiques", "Matemáticas", 4, None),
    ("Anglés", "Inglés", 3, None),
    ("Geografia i Història", "Geografía e Historia", 3, None),
    ("Biologia i Geologia", "Biología y Geología", 3, "LAB"),
    ("Física i Química", "Física y Química", 3, "LAB"),
    ("Educació Física", "Educación Física", 2, "GIM"),
    ("Música", "Música", 2, "MUS"),
    ("Educació Plàstica, Visual i Audiovisual", "Educación Plástica, Visual y Audiovisual", 2, "DIB"),
    ("Tecnologia i Digitalització", "Tecnología y Digitalización", 2, "TEC"),
    ("Segona Llengua Estrangera: Francés", "Segunda Lengua Extranjera: Francés", 2, None),
]
MATERIAS_BAT_CT = [
    ("Valencià: Llengua i Literatura I", "Valenciano: Lengua y Literatura I", 3, None),
    ("Llengua Castellana i Literatura I", "Lengua Castellana y Literatura I", 3, None),
    ("Anglés I", "Inglés I", 3, None),
    ("Filosofia", "Filosofía", 3, None),
    ("Matemàtiques I", "Matemáticas I", 4, None),
    ("Física i Química", "Física y Química", 4, "LAB"),
    ("Biologia, Geologia i Ciències Ambientals", "Biología, Geología y Ciencias Ambientales", 4, "LAB"),
    ("Dibuix Tècnic I", "Dibujo Técnico I", 4, "DIB"),
    ("Educació Física", "Educación Física", 2, "GIM"),
]
MATERIAS_BAT_HCS = [
    ("Valencià: Llengua i Literatura I", "Valenciano: Lengua y Literatura I", 3, None),
    ("Llengua Castellana i Literatura I", "Lengua Castellana y Literatura I", 3, None),
    ("Anglés I", "Inglés I", 3, None),
    ("Filosofia", "Filosofía", 3, None),
    ("Llatí I", "Latín I", 4, None),
    ("Matemàtiques Aplicades a les Ciències Socials I", "Matemáticas Aplicadas a las Ciencias Sociales I", 4, None),
    ("Economia", "Economía", 4, None),
    ("Història del Món Contemporani", "Historia del Mundo Contemporáneo", 4, None),
    ("Educació Física", "Educación Física", 2, "GIM"),
]
MATERIAS_2BAT_CT = [
    ("Història d'Espanya", "Historia de España", 3, None),
    ("Valencià: Llengua i Literatura II", "Valenciano: Lengua y Literatura II", 3, None),
    ("Llengua Castellana i Literatura II", "Lengua Castellana y Literatura II", 3, None),
    ("Anglés II", "Inglés II", 3, None),
    ("Matemàtiques II", "Matemáticas II", 4, None),
    ("Física", "Física", 4, "LAB"),
    ("Química", "Química", 4, "LAB"),
    ("Dibuix Tècnic II", "Dibujo Técnico II", 4, "DIB"),
]
MATERIAS_2BAT_HCS = [
    ("Història d'Espanya", "Historia de España", 3, None),
    ("Valencià: Llengua i Literatura II", "Valenciano: Lengua y Literatura II", 3, None),
    ("Llengua Castellana i Literatura II", "Lengua Castellana y Literatura II", 3, None),
    ("Anglés II", "Inglés II", 3, None),
    ("Llatí II", "Latín II", 4, None),
    ("Matemàtiques Aplicades a les Ciències Socials II", "Matemáticas Aplicadas a las Ciencias Sociales II", 4, None),
    ("Història de l'Art", "Historia del Arte", 4, None),
    ("Empresa i Disseny de Models de Negoci", "Empresa y Diseño de Modelos de Negocio", 4, None),
]
MATERIAS_CURSO = {
    "1ESO": MATERIAS_ESO, "2ESO": MATERIAS_ESO, "3ESO": MATERIAS_ESO, "4ESO": MATERIAS_ESO,
    "PDC": MATERIAS_ESO[:6],
    "1BCT": MATERIAS_BAT_CT, "1BHS": MATERIAS_BAT_HCS,
    "2BCT": MATERIAS_2BAT_CT, "2BHS": MATERIAS_2BAT_HCS,
}
# Materias con el mismo código en todos los cursos de la ESO, como en ITACA.
COMUNES_ESO = [
    ("Tutoria", "Tutoría", 1, None),
    ("Religió", "Religión", 1, None),
]

OCUPACIONES = [
    ("Guàrdia", "Guardia"),
    ("Guàrdia de pati", "Guardia de patio"),
    ("Reunió de departament", "Reunión de departamento"),
    ("Atenció a pares i mares", "Atención a padres y madres"),
    ("Biblioteca", "Biblioteca"),
    ("Coordinació TIC", "Coordinación TIC"),
    ("Cap de departament", "Jefatura de departamento"),
    ("Coordinació de tutories", "Coordinación de tutorías"),
    ("Reunió d'equip educatiu", "Reunión de equipo educativo"),
    ("Programa de reutilització de llibres", "Programa de reutilización de libros"),
]

NOMBRES = [
    "Vicent", "Josep", "Joan", "Pere", "Jaume", "Àlex", "Andreu", "Enric", "Salvador", "Xavier",
    "José Ángel", "María José", "Mª Dolors", "Àngels", "Núria", "Pilar", "Inmaculada", "Amparo",
    "Rosa", "Carme", "Elena", "Begoña", "Sergio", "Raúl", "Iñaki", "Óscar", "Lucía", "Inés",
    "Maribel", "Consuelo", "Empar", "Teresa", "Francesc", "Vicenta", "Mònica", "Jesús", "Ramón",
    "Neus", "Lledó", "Desamparados", "Ángela", "Sofía", "Andrés", "Martí", "Aitana", "Noèlia",
]
APELLIDOS = [
    "García", "Martínez", "Ferrer", "Puig", "Martí", "Llorens", "Peñalver", "Gómez", "Sánchez",
    "Belenguer", "Císcar", "Pérez", "Bosch", "Climent", "Fuster", "Ribes", "Soler", "Navarro",
    "Alcañiz", "Muñoz", "Castelló", "Sanchis", "Vidal", "Esteve", "Domènech", "Carbonell",
    "Giménez", "Úbeda", "Ortíz", "Escrivà", "Monzó", "Pastor", "Llopis", "Cervera", "Mollà",
    "Agulló", "Catalá", "Ibáñez", "Vilaplana", "Nàcher", "Roig", "Boix", "Camps", "Tormo",
]
LETRAS_DNI = "TRWAGMYFPDXBNJZSQVHLCKE"

AULAS_ESPECIALES = [
    ("LAB", "LABORATORI1", "Laboratori de Ciències"),
    ("LAB", "LABORATORI2", "Laboratori de Física i Química"),
    ("GIM", "GIMNAS", "Gimnàs"),
    ("GIM", "PISTA", "Pista poliesportiva"),
    ("MUS", "MÚSICA", "Aula de Música"),
    ("DIB", "DIBUIX", "Aula de Dibuix"),
    ("TEC", "TALLER-TEC", "Taller de Tecnologia"),
    ("TEC", "INFORMÀTICA1", "Aula d'Informàtica 1"),
]


def escapar(texto):
    return (texto.replace("&", "&amp;").replace("<", "&lt;")
            .replace(">", "&gt;").replace('"', "&quot;"))


def elemento(nombre, atributos, sangria="    "):
    partes = " ".join('%s="%s"' % (k, escapar(v)) for k, v in atributos)
    return "%s<%s %s/>\n" % (sangria, nombre, partes)


def vacio(valor):
    # ITACA escribe un espacio en los valores vacíos.
    return valor if valor else " "


def letras_grupo(n):
    """0 -> A, 25 -> Z, 26 -> AA..."""
    texto = ""
    n += 1
    while n:
        n, r = divmod(n - 1, 26)
        texto = chr(ord("A") + r) + texto
    return texto


class Instituto:
    """Los datos fijos del centro y el reparto de grupos, docentes y aulas."""

    def __init__(self, semilla, num_grupos):
        self.semilla = semilla
        rng = random.Random("%s-centro" % semilla)
        self.codigo = "46%06d" % rng.randrange(1000000)
        pueblo = rng.choice(["Alzira", "Gandia", "Sueca", "Xàtiva", "Ontinyent", "Llíria",
                             "Burjassot", "Torrent", "Paterna", "Sagunt", "Cullera", "Requena"])
        self.denominacion = "IES %s %s" % (rng.choice(["Joan Fuster", "Lluís Vives", "Sorolla",
                                                         "Ausiàs March", "La Vall", "Malilla",
                                                         "Enric Valor", "Serra Perenxisa"]), pueblo)
        self.curso = str(2020 + rng.randrange(6))
        self.fecha = "%02d/%02d/%s %02d:%02d:%02d" % (
            rng.randrange(1, 29), rng.randrange(9, 13), self.curso, rng.randrange(8, 20),
            rng.randrange(60), rng.randrange(60))

        # Plantillas: mañana, tarde y una de jornada reducida.
        usados = set()

        def numero(cifras):
            while True:
                n = str(rng.randrange(10 ** (cifras - 1), 10 ** cifras))
                if n not in usados:
                    usados.add(n)
                    return n

        self.plantillas = [
            (numero(6), "Horari de matí ESO i Batxillerat", "Horario de mañana ESO y Bachillerato", "M",
             self.sesiones(8 * 60, [55, 55, 55, None, 55, 55, 55], 30)),
            (numero(6), "Horari de vesprada", "Horario de tarde", "V",
             self.sesiones(15 * 60, [55, 55, 55, 55, 55, 55], 20, pausa_tras=3)),
            (numero(6), "Jornada reduïda (juny)", "Jornada reducida (junio)", "M",
             self.sesiones(9 * 60, [45, 45, 45, 45, 45], 30, pausa_tras=3)),
        ]
        self.ocupaciones = [(numero(7), v, c) for v, c in OCUPACIONES]

        # Cursos, con código numérico.
        self.clave_curso = {}
        for curso in CURSOS:
            self.clave_curso[curso[0]] = numero(5)
        self.materias = {}        # curso -> [(codigo, val, cas, horas, especial)]
        comunes = [(numero(5),) + m for m in COMUNES_ESO]
        for curso in CURSOS:
            lista = [(numero(5),) + m for m in MATERIAS_CURSO.get(curso[0], [])]
            if curso[3] == "3":
                lista += comunes
            self.materias[curso[0]] = lista

        # Reparto de los grupos entre los cursos que los tienen.
        cursos_con_grupos = [c for c in CURSOS if c[6]]
        turno = []
        for c in cursos_con_grupos:
            turno += [c[0]] * c[7]
        self.grupos = []     # (curso, número del grupo dentro del curso)
        cuenta = {c[0]: 0 for c in cursos_con_grupos}
        for g in range(max(num_grupos, len(cursos_con_grupos))):
            curso = cursos_con_grupos[g][0] if g < len(cursos_con_grupos) else turno[g % len(turno)]
            self.grupos.append((curso, cuenta[curso]))
            cuenta[curso] += 1
        self.num_docentes = max(4, len(self.grupos) * 2 + 6)
        self.num_aulas = len(self.grupos) + 4

    @staticmethod
    def sesiones(inicio, duraciones, pausa, pausa_tras=None):
        """[(orden, desde, hasta)]; None en duraciones es el patio, que no es
        sesión y deja el orden sin usar."""
        lista = []
        minuto = inicio
        for i, d in enumerate(duraciones):
            orden = i + 1
            if d is None:
                minuto += pausa
                continue
            lista.append((str(orden), "%02d:%02d" % divmod(minuto, 60),
                          "%02d:%02d" % divmod(minuto + d, 60)))
            minuto += d
            if pausa_tras == orden:
                minuto += pausa
        return lista

    def ensenanza_de(self, curso):
        return next(c[3] for c in CURSOS if c[0] == curso)

    def codigo_grupo(self, g):
        curso, n = self.grupos[g]
        abrev = next(c[1] for c in CURSOS if c[0] == curso).replace("-", "")
        return abrev + letras_grupo(n)

    def plantilla_grupo(self, g):
        curso, n = self.grupos[g]
        # Algún grupo de Bachillerato va por la tarde.
        if curso.startswith(("1B", "2B")) and n % 4 == 3:
            return self.plantillas[1]
        return self.plantillas[0]

    def docente(self, t):
        rng = random.Random("%s-docente-%d" % (self.semilla, t))
        numero = rng.randrange(100000, 100000000)
        documento = "%09d%s" % (numero, LETRAS_DNI[numero % 23])
        nombre = rng.choice(NOMBRES)
        a1 = rng.choice(APELLIDOS)
        a2 = rng.choice(APELLIDOS) if rng.random() > 0.04 else ""
        tipo = "D" if rng.random() < 0.85 else rng.choice(["I", "P"])
        ingreso = "%02d/%02d/%d" % (rng.randrange(1, 29), rng.randrange(1, 13), rng.randrange(1985, 2024))
        ensenanza = "5" if t % 3 == 2 else "3"
        return documento, nombre, a1, a2, tipo, ingreso, ensenanza, rng

    def documento_docente(self, t):
        return self.docente(t)[0]

    def aula(self, a):
        if a < len(AULAS_ESPECIALES):
            _, codigo, nombre = AULAS_ESPECIALES[a]
            return codigo, nombre
        n = a - len(AULAS_ESPECIALES)
        planta, puerta = divmod(n, 20)
        if n % 17 == 16:
            # Algún aula sin código en ITACA.
            return "", "Aula polivalent %d" % (n + 1)
        return "A-%d%02d" % (planta + 1, puerta + 1), "Aula %d%02d" % (planta + 1, puerta + 1)

    def aula_grupo(self, g):
        return self.aula(len(AULAS_ESPECIALES) + g % max(1, self.num_aulas - len(AULAS_ESPECIALES)))[0] or \
            self.aula(len(AULAS_ESPECIALES))[0]

    def aula_especial(self, tipo, g):
        propias = [c for t, c, _ in AULAS_ESPECIALES if t == tipo]
        return propias[g % len(propias)]

    def docente_de(self, g, m):
        # Cada materia de un grupo la da un docente; los de grupos vecinos se
        # repiten, como en un departamento.
        return (g // 3 * 5 + m * 7 + g % 3) % self.num_docentes

    def horario_grupo(self, g):
        """Filas (plantilla, día, orden, desde, hasta, contenido, docente, aula)."""
        curso, _ = self.grupos[g]
        plantilla = self.plantilla_grupo(g)
        materias = self.materias[curso]
        # Reparto de las horas semanales en las sesiones de la semana.
        bolsa = []
        for m, materia in enumerate(materias):
            bolsa += [m] * materia[3]
        huecos = [(d, s) for d in DIAS for s in plantilla[4]]
        rng = random.Random("%s-horario-%d" % (self.semilla, g))
        rng.shuffle(bolsa)
        filas = []
        for (dia, (orden, desde, hasta)), m in zip(huecos, bolsa):
            codigo, _, _, _, especial = materias[m]
            aula = self.aula_especial(especial, g) if especial else self.aula_grupo(g)
            filas.append((plantilla[0], dia, orden, desde, hasta, codigo,
                          self.documento_docente(self.docente_de(g, m)), aula))
        return filas

    def horario_ocupaciones(self, t, rng):
        filas = []
        plantilla = self.plantillas[0] if t % 9 else self.plantillas[1]
        for _ in range(rng.randrange(2, 6)):
            orden, desde, hasta = rng.choice(plantilla[4])
            codigo = rng.choice(self.ocupaciones)[0]
            filas.append((plantilla[0], rng.choice(DIAS), orden, desde, hasta, codigo))
        return filas


def escribir(instituto, salida):
    w = salida
    w('<?xml version="1.0" encoding="UTF-8"?>\n')
    w('<centro codigo="%s" denominacion="%s" curso="%s" fechaExportacion="%s" version="1.0">\n' % (
        instituto.codigo, escapar(instituto.denominacion), instituto.curso, instituto.fecha))

    w("  <plantillas_horario>\n")
    for codigo, val, cas, turno, _ in instituto.plantillas:
        w(elemento("plantilla_horario", [("codigo", codigo), ("descripcion_cas", cas),
                                         ("descripcion_val", val), ("turno", turno)]))
    w("  </plantillas_horario>\n")

    w("  <sesiones_horario>\n")
    for codigo, _, _, _, sesiones in instituto.plantillas:
        for dia in DIAS:
            for orden, desde, hasta in sesiones:
                w(elemento("sesion_horario", [("plantilla", codigo), ("dia_semana", dia),
                                              ("sesion_orden", orden), ("hora_desde", desde),
                                              ("hora_hasta", hasta)]))
    w("  </sesiones_horario>\n")

    w("  <ensenanzas>\n")
    for codigo, abrev, val, cas in ENSENANZAS:
        w(elemento("ensenanza", [("ensenanza", codigo), ("abreviatura", abrev),
                                 ("nombre_cas", cas), ("nombre_val", val)]))
    w("  </ensenanzas>\n")

    w("  <cursos>\n")
    for clave, abrev, padre, ens, val, cas, _, _ in CURSOS:
        w(elemento("curso", [("codigo", instituto.clave_curso[clave]),
                             ("abreviatura", abrev), ("nombre_cas", cas), ("nombre_val", val),
                             ("ensenanza", ens),
                             ("padre", vacio(instituto.clave_curso[padre] if padre else ""))]))
    w("  </cursos>\n")

    w("  <contenidos>\n")
    for curso in CURSOS:
        for codigo, val, cas, horas, _ in instituto.materias[curso[0]]:
            w(elemento("contenido", [("codigo", codigo), ("curso", instituto.clave_curso[curso[0]]),
                                     ("nombre_cas", cas), ("nombre_val", val),
                                     ("horas", str(horas)), ("tipo_horas", "S")]))
    w("  </contenidos>\n")

    w("  <ocupaciones>\n")
    for codigo, val, cas in instituto.ocupaciones:
        w(elemento("ocupacion", [("codigo", codigo), ("nombre_cas", cas), ("nombre_val", val)]))
    w("  </ocupaciones>\n")

    w("  <docentes>\n")
    for t in range(instituto.num_docentes):
        documento, nombre, a1, a2, tipo, ingreso, ens, rng = instituto.docente(t)
        telefono = "6%08d" % rng.randrange(10 ** 8)
        w(elemento("docente", [("documento", documento), ("nombre", nombre), ("apellido1", a1),
                               ("apellido2", vacio(a2)), ("sexo", rng.choice("HM")),
                               ("tipo_docente", tipo), ("fecha_ingreso", ingreso),
                               ("ensenanza", ens), ("telefono1", telefono), ("telefono2", " "),
                               ("email1", vacio("")), ("titular_sustituido", " ")]))
    w("  </docentes>\n")

    w("  <aulas>\n")
    for a in range(instituto.num_aulas):
        codigo, nombre = instituto.aula(a)
        w(elemento("aula", [("codigo", vacio(codigo)), ("nombre", nombre),
                            ("capacidad", str(20 + a % 15)), ("observaciones", " ")]))
    w("  </aulas>\n")

    w("  <grupos>\n")
    for g in range(len(instituto.grupos)):
        curso, n = instituto.grupos[g]
        nombre_curso = next(c[4] for c in CURSOS if c[0] == curso)
        plantilla = instituto.plantilla_grupo(g)
        tutor = instituto.documento_docente((g * 2) % instituto.num_docentes)
        # Unos pocos grupos tienen sólo cotutor.
        ppal, sec = (" ", tutor) if g % 11 == 10 else (tutor, " ")
        w(elemento("grupo", [("codigo", instituto.codigo_grupo(g)),
                             ("nombre", "%s %s" % (nombre_curso, letras_grupo(n))),
                             ("ensenanza", instituto.ensenanza_de(curso)), ("linea", "1"),
                             ("turno", plantilla[3]), ("modalidad", "COM"),
                             ("aula", instituto.aula_grupo(g)), ("capacidad", "30"),
                             ("tutor_ppal", ppal), ("tutor_sec", sec), ("oficial", "S")]))
    w("  </grupos>\n")

    w("  <cursos_grupo>\n")
    for g in range(len(instituto.grupos)):
        curso, _ = instituto.grupos[g]
        w(elemento("curso_grupo", [("grupo", instituto.codigo_grupo(g)),
                                   ("curso", instituto.clave_curso[curso])]))
    w("  </cursos_grupo>\n")

    w("  <horarios_grupo>\n")
    for g in range(len(instituto.grupos)):
        curso, _ = instituto.grupos[g]
        codigo_grupo = instituto.codigo_grupo(g)
        ens = instituto.ensenanza_de(curso)
        for plantilla, dia, orden, desde, hasta, contenido, docente, aula in instituto.horario_grupo(g):
            w(elemento("horario_grupo", [("plantilla", plantilla), ("dia_semana", dia),
                                         ("sesion_orden", orden), ("hora_desde", desde),
                                         ("hora_hasta", hasta), ("grupo", codigo_grupo),
                                         ("ensenanza", ens), ("curso", instituto.clave_curso[curso]),
                                         ("contenido", contenido), ("docente", docente),
                                         ("aula", aula), ("idioma", " ")]))
    w("  </horarios_grupo>\n")

    w("  <horarios_ocupaciones>\n")
    for t in range(instituto.num_docentes):
        documento, _, _, _, _, _, ens, _ = instituto.docente(t)
        rng = random.Random("%s-ocupaciones-%d" % (instituto.semilla, t))
        for plantilla, dia, orden, desde, hasta, ocupacion in instituto.horario_ocupaciones(t, rng):
            w(elemento("horario_ocupacion", [("plantilla", plantilla), ("dia_semana", dia),
                                             ("sesion_orden", orden), ("hora_desde", desde),
                                             ("hora_hasta", hasta), ("docente", documento),
                                             ("ensenanza", ens), ("ocupacion", ocupacion)]))
    w("  </horarios_ocupaciones>\n")
    w("</centro>\n")


def tamano(semilla, num_grupos):
    total = 0

    def contar(texto):
        nonlocal total
        total += len(texto.encode("utf-8"))

    escribir(Instituto(semilla, num_grupos), contar)
    return total


def grupos_para(semilla, megas):
    """Número de grupos con el que el documento ronda el tamaño pedido: el
    tamaño crece en línea recta con los grupos."""
    objetivo = megas * MEGA
    base, paso = 8, 40
    t0 = tamano(semilla, base)
    t1 = tamano(semilla, base + paso)
    por_grupo = (t1 - t0) / paso
    return max(base, int(round(base + (objetivo - t0) / por_grupo)))


class Salida:
    """Escritura en bloques grandes: el documento puede ocupar cientos de
    megas."""

    def __init__(self, destino):
        self.destino = destino
        self.trozos = []
        self.tam = 0

    def __call__(self, texto):
        self.trozos.append(texto)
        self.tam += len(texto)
        if self.tam > 1 << 20:
            self.vaciar()

    def vaciar(self):
        self.destino.write("".join(self.trozos).encode("utf-8"))
        self.trozos = []
        self.tam = 0


def main():
    analizador = argparse.ArgumentParser(description="Genera un documento ITACA de prueba.")
    analizador.add_argument("--megas", type=float, required=True, help="tamaño aproximado en megas (1 048 576 bytes)")
    analizador.add_argument("--semilla", required=True, help="semilla: mismos argumentos, mismos bytes")
    analizador.add_argument("--salida", help="fichero de salida; sin él, la salida estándar")
    args = analizador.parse_args()
    if args.megas <= 0:
        analizador.error("--megas debe ser mayor que cero")

    instituto = Instituto(args.semilla, grupos_para(args.semilla, args.megas))
    if args.salida:
        with open(args.salida, "wb") as fichero:
            salida = Salida(fichero)
            escribir(instituto, salida)
            salida.vaciar()
    else:
        salida = Salida(sys.stdout.buffer)
        escribir(instituto, salida)
        salida.vaciar()
        sys.stdout.buffer.flush()


if __name__ == "__main__":
    main()
