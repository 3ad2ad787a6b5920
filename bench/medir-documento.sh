#!/usr/bin/env bash
# Compara la carga del documento ITACA con una pasada en flujo de xmllint
# sobre el mismo fichero: tiempo y pico de memoria.
#   bench/medir-documento.sh [fichero.xml]
# Sin fichero genera uno de MEGAS megas (100 por omisión) en /tmp.
# BUILD elige la carpeta de compilación (build por omisión).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD="${BUILD:-build}"
MEGAS="${MEGAS:-100}"
PROGRAMA="$BUILD/bench/medida_documento"

if [ ! -x "$PROGRAMA" ]; then
  cmake --build "$BUILD" --target medida_documento
fi

FICHERO="${1:-}"
if [ -z "$FICHERO" ]; then
  FICHERO="/tmp/molvaren-medida-${MEGAS}M.xml"
  if [ ! -s "$FICHERO" ]; then
    echo "Generando $FICHERO ($MEGAS MB)..."
    if [ -f tools/generar_itaca.py ]; then
      python3 tools/generar_itaca.py --megas "$MEGAS" --semilla 7 > "$FICHERO"
    else
      # Documento sencillo: docentes, grupos y muchas sesiones con acentos.
      python3 - "$MEGAS" > "$FICHERO" <<'PY'
import sys
objetivo = float(sys.argv[1]) * 1048576
w = sys.stdout.write
w('<?xml version="1.0" encoding="UTF-8"?>\n<centro codigo="46000001" denominacion="IES Medició" curso="2024" version="1.0">\n<docentes>\n')
for i in range(300):
    w('<docente documento="0%08dZ" nombre="Àngels" apellido1="Muñoz" apellido2="Gàlvez" tipo_docente="1" fecha_ingreso="01/09/2010" ensenanza="3"/>\n' % i)
w('</docentes>\n<grupos>\n')
for i in range(80):
    w('<grupo codigo="G%d" nombre="%dr ESO «A»" turno="M" ensenanza="3" tutor_ppal="0%08dZ" tutor_sec=" "/>\n' % (i, i % 4 + 1, i))
w('</grupos>\n<horarios_grupo>\n')
n = 0
escrito = 0
while escrito < objetivo:
    fila = ('<horario_grupo dia_semana="%s" sesion_orden="%d" hora_desde="08:00" hora_hasta="08:55" plantilla="M1" '
            'grupo="G%d" curso="1ESO" contenido="VALCAS%d" docente="0%08dZ" aula="Aula de música %d" idioma="V"/>\n'
            % ("LMXJV"[n % 5], n % 7 + 1, n % 80, n % 40, n % 300, n % 60))
    w(fila)
    escrito += len(fila.encode())
    n += 1
w('</horarios_grupo>\n</centro>\n')
PY
    fi
  fi
fi

echo "Fichero: $FICHERO ($(du -m "$FICHERO" | cut -f1) MB)"

# Pico de memoria y tiempo real de una orden, con /usr/bin/time -v.
medir() {
  local nombre="$1"; shift
  local informe
  informe="$(mktemp)"
  /usr/bin/time -v "$@" > /dev/null 2> "$informe" || { cat "$informe"; rm -f "$informe"; return 1; }
  local reloj memoria
  reloj="$(grep 'Elapsed (wall clock)' "$informe" | awk '{print $NF}')"
  memoria="$(grep 'Maximum resident set size' "$informe" | awk '{print $NF}')"
  printf '%-28s tiempo %8s   pico %7.1f MB\n' "$nombre" "$reloj" "$(echo "$memoria / 1024" | bc -l)"
  rm -f "$informe"
}

# Una pasada de calentamiento para que el fichero esté en la caché del disco.
cat "$FICHERO" > /dev/null
for i in 1 2 3; do
  medir "xmllint --stream --noout" xmllint --stream --noout "$FICHERO"
  medir "medida_documento" "$PROGRAMA" "$FICHERO"
done
echo
"$PROGRAMA" "$FICHERO" 3
