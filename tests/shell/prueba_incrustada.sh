#!/usr/bin/env bash
# Prueba con procesos reales bajo Xvfb: un anfitrión de prueba arranca
# molvaren incrustado en su ventana; se comprueba que la ventana de molvaren
# es hija de la del anfitrión y que Horavex.ini recibe Transformado = 0
# (cerrada con Salir), 1 (conversión terminada) y -1 (fichero que falta), y
# que molvaren termina si la ventana anfitriona desaparece.
# Sale con 77 (prueba saltada) si no hay Xvfb o xdotool.
#   prueba_incrustada.sh <molvaren> <anfitrion_prueba> <carpeta de datos>
set -u
MOLVAREN="$1"
ANFITRION="$2"
DATOS="$3"

for orden in Xvfb xdotool xwininfo; do
  if ! command -v "$orden" >/dev/null; then
    echo "Falta $orden: prueba saltada"
    exit 77
  fi
done

tmp="$(mktemp -d)"
xvfb_pid=""
limpiar() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap limpiar EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/pantalla" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$tmp/pantalla" ] && break
  sleep 0.1
done
if [ ! -s "$tmp/pantalla" ]; then
  echo "Xvfb no arranca: prueba saltada"
  cat "$tmp/xvfb.log"
  exit 77
fi
export DISPLAY=":$(head -n1 "$tmp/pantalla")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

fallos=0
falla() {
  echo "FALLO [$caso]: $*"
  fallos=$((fallos + 1))
}

# Espera (hasta ~15 s) a que una orden tenga éxito.
esperar() {
  for _ in $(seq 150); do
    if eval "$1"; then return 0; fi
    sleep 0.1
  done
  return 1
}

# arrancar <caso> <dirección> <fichero de prueba o "CANCELA">
arrancar() {
  caso="$1"
  carpeta="$tmp/$caso"
  mkdir -p "$carpeta/ktemp"
  local fichero="$3"
  [ "$fichero" = CANCELA ] && fichero=""
  MOLVAREN_CARPETA_PROGRAMA="$carpeta" MOLVAREN_KTEMP="$carpeta/ktemp" MOLVAREN_FICHERO_PRUEBA="$fichero" \
    "$ANFITRION" "$MOLVAREN" "$2" --limite 40000 >"$carpeta/salida" 2>"$carpeta/errores" &
  anfitrion_pid=$!
  if ! esperar "grep -q '^HIJO ' '$carpeta/salida'"; then
    falla "el anfitrión no arrancó molvaren"; cat "$carpeta/errores"; return 1
  fi
  anfitrion="0x$(sed -n 's/^ANFITRION //p' "$carpeta/salida")"
  hijo_pid="$(sed -n 's/^HIJO //p' "$carpeta/salida")"
  # La ventana de molvaren aparece como hija de la del anfitrión.
  if ! esperar "xwininfo -children -id $anfitrion 2>/dev/null | grep -q 'Exportar e importar datos entre Horavex e ITACA'"; then
    falla "la ventana de molvaren no es hija de la del anfitrión"
    xwininfo -children -id "$anfitrion"
    return 1
  fi
  ventana="$(xwininfo -children -id "$anfitrion" | sed -n 's/^ *\(0x[0-9a-f]*\) "Exportar e importar datos entre Horavex e ITACA".*/\1/p' | head -n1)"
  esperar "xwininfo -id $ventana | grep -q 'IsViewable'" || falla "la ventana no se ve"
  # Posición 0,0 dentro del anfitrión.
  xwininfo -id "$ventana" | grep -q 'Relative upper-left X:  0' || falla "no está en x=0"
  xwininfo -id "$ventana" | grep -q 'Relative upper-left Y:  0' || falla "no está en y=0"
  sleep 0.3
}

pulsar() {   # pulsar <x> <y> dentro de la ventana de molvaren
  xdotool mousemove --window "$ventana" "$1" "$2" click 1
}

# Contesta con Escape las cajas y diálogos hasta que molvaren termine.
contestar_hasta_el_fin() {
  for _ in $(seq 100); do
    kill -0 "$hijo_pid" 2>/dev/null || return 0
    xdotool key Escape 2>/dev/null
    sleep 0.3
  done
  return 1
}

terminar() {   # terminar <valor esperado>
  if ! esperar "! kill -0 $anfitrion_pid 2>/dev/null"; then
    falla "molvaren no terminó"; kill "$anfitrion_pid" 2>/dev/null; return
  fi
  local ini="$carpeta/Horavex.ini"
  if ! grep -q "^Transformado=$1"$'\r'"\$" "$ini" 2>/dev/null; then
    falla "Horavex.ini no tiene Transformado=$1"
    cat -A "$ini" 2>/dev/null
    cat "$carpeta/errores"
  fi
}

# 0: se cierra con Salir antes de convertir nada.
if arrancar salir EXPORTAR CANCELA; then
  pulsar 300 212            # BClose: franja de abajo (0,168) + botón (256,32) + media
  terminar 0
fi

# 1: conversión terminada; la ventana se cierra sola.
if arrancar terminada exportar "$DATOS/centro.xml"; then
  pulsar 132 132            # BExportar, con su panel llenando la ventana
  contestar_hasta_el_fin || falla "no terminó contestando"
  terminar 1
  [ -f "$carpeta/ktemp/DIASHORAST.DBF" ] || falla "no se escribió DIASHORAST"
fi

# -1: exportación a ITACA sin fichero.
if arrancar rechazada importar CANCELA; then
  pulsar 140 132            # BImportar, con su panel llenando la ventana
  contestar_hasta_el_fin || falla "no terminó contestando"
  terminar -1
fi

# La ventana anfitriona desaparece: molvaren termina solo.
if arrancar huerfano exportar CANCELA; then
  kill -9 "$anfitrion_pid"
  wait "$anfitrion_pid" 2>/dev/null
  esperar "! kill -0 $hijo_pid 2>/dev/null" || { falla "molvaren sigue vivo sin anfitrión"; kill "$hijo_pid"; }
fi

if [ "$fallos" -ne 0 ]; then
  echo "$fallos fallos"
  exit 1
fi
echo "Prueba incrustada correcta"
