#!/usr/bin/env bash
# Tiempo y memoria máxima de "molvaren-cli exportar" al lado de la lectura en
# flujo de xmllint, sobre documentos generados de 1, 10 y 100 megas.
# Objetivo: como mucho el doble de tiempo que xmllint --stream, y memoria por
# debajo del tamaño del fichero, creciendo en proporción al documento.
#
# Uso: bench/medir-conversion.sh [CLI] [MEGAS...]
#   CLI   el programa ya compilado (por omisión build/src/cli/molvaren-cli)
#   MEGAS tamaños a medir (por omisión 1 10 100)
# Los documentos se generan en una carpeta temporal que se borra al acabar.
set -euo pipefail
cd "$(dirname "$0")/.."

CLI="${1:-build/src/cli/molvaren-cli}"
shift || true
TAMANOS=("$@")
((${#TAMANOS[@]})) || TAMANOS=(1 10 100)

if [ ! -x "$CLI" ]; then
  echo "No encuentro $CLI: compile antes (cmake --build build)." >&2
  exit 2
fi
if [ ! -x /usr/bin/time ]; then
  echo "Hace falta /usr/bin/time (paquete time)." >&2
  exit 2
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Segundos (con milésimas) y kilobytes máximos de una orden.
medir() {
  local inicio fin
  inicio=$(date +%s%N)
  /usr/bin/time -f "%M" -o "$tmp/memoria" "$@" >/dev/null 2>"$tmp/errores" || {
    echo "Falló: $*" >&2
    cat "$tmp/errores" >&2
    exit 1
  }
  fin=$(date +%s%N)
  echo "$(awk -v a="$inicio" -v b="$fin" 'BEGIN { printf "%.3f", (b - a) / 1e9 }') $(tail -n 1 "$tmp/memoria")"
}

printf "%-7s %10s | %9s %9s | %9s %9s | %7s %8s\n" \
  "megas" "bytes" "xmllint s" "KB" "cli s" "KB" "tiempo" "memoria"
for megas in "${TAMANOS[@]}"; do
  doc="$tmp/itaca-$megas.xml"
  python3 tools/generar_itaca.py --megas "$megas" --semilla medida --salida "$doc"
  bytes=$(stat -c %s "$doc")
  # Una lectura previa para que los dos partan con el fichero en caché.
  cat "$doc" >/dev/null

  read -r t_xml m_xml < <(medir xmllint --stream --noout "$doc")
  rm -rf "$tmp/ktemp" && mkdir "$tmp/ktemp"
  read -r t_cli m_cli < <(medir "$CLI" exportar "$doc" --carpeta "$tmp/ktemp")

  razon_t=$(awk -v a="$t_cli" -v b="$t_xml" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }')
  razon_m=$(awk -v m="$m_cli" -v b="$bytes" 'BEGIN { printf "%.2f", m * 1024 / b }')
  printf "%-7s %10s | %9s %9s | %9s %9s | %7s %8s\n" \
    "$megas" "$bytes" "$t_xml" "$m_xml" "$t_cli" "$m_cli" "$razon_t" "$razon_m"
  rm -f "$doc"
done
echo "tiempo: cli / xmllint --stream (objetivo <= 2x); memoria: KB máximos del cli / tamaño del fichero (objetivo < 1)"
