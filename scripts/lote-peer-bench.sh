#!/bin/sh
# 1,000 receipts from one CSV into one PDF by a whole `quitanza lote` process,
# side by side with the ReportLab peer drawing the same 1,000 receipts in one
# process. Runs of the two alternate, RUNS of each, every one measured by
# /usr/bin/time -v: CPU (user + system), wall time and peak memory. Target:
# ours takes at most a tenth of the peer's time and stays under 200 MB.
#   scripts/lote-peer-bench.sh [RUNS] [PEERS_DIR] [BUILD_DIR]
# PEERS_DIR holds gen_reportlab.py (default: ../shared/peers beside the
# repository); BUILD_DIR holds the built program (default: build).
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-3}
peers=${2:-$repo/../shared/peers}
build=${3:-$repo/build}
quitanza=$build/app/quitanza
receipts=1000
[ -f "$peers/gen_reportlab.py" ] || { echo "gen_reportlab.py not found in $peers" >&2; exit 2; }
[ -x "$quitanza" ] || { echo "$quitanza not built (./test builds it)" >&2; exit 2; }

if ! /usr/bin/python3 -c 'import reportlab' 2>/dev/null || [ ! -x /usr/bin/time ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y --no-install-recommends python3-reportlab fonts-liberation2 time
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A configured issuer with a logo, as receipts are issued in practice; every
# run of ours starts from a copy of it, so each adds 1,000 rows to the same
# kind of register.
mkdir "$work/issuer"
"$quitanza" configurar --dados "$work/issuer" --empresa "Padaria São João" --endereco "Rua Grande, 100" \
  --bairro Centro --cidade "São Luís" --cpf-cnpj 12345678000195 --telefone 9832104567 \
  --email contato@padaria.com.br --site www.padaria.com.br --logo "$repo/tests/data/draw/logo.png" >/dev/null
{
  echo "cliente;documento;valor;referente"
  i=1
  while [ "$i" -le "$receipts" ]; do
    echo "CLIENTE $i;111.444.777-35;1.500,00;Aluguel de março"
    i=$((i + 1))
  done
} >"$work/lote.csv"

# One measured run: label, then the command. Prints "label cpu wall peak_kb".
measure() {
  label=$1
  shift
  /usr/bin/time -v -o "$work/time.txt" "$@" >/dev/null 2>"$work/stderr.txt" ||
    { cat "$work/stderr.txt" >&2; exit 1; }
  awk -v label="$label" -F': ' '
    /User time/ { user = $2 } /System time/ { sys = $2 } /Maximum resident/ { peak = $2 }
    /Elapsed \(wall clock\)/ { n = split($2, p, ":"); wall = 0; for (i = 1; i <= n; i++) wall = wall * 60 + p[i] }
    END { printf "%s %.3f %.3f %d\n", label, user + sys, wall, peak }' "$work/time.txt"
}

echo "== $receipts receipts, $runs runs each, alternating (CPU s, wall s, peak MB)"
: >"$work/results.txt"
run=1
while [ "$run" -le "$runs" ]; do
  rm -rf "$work/data" "$work/lote.pdf"
  cp -r "$work/issuer" "$work/data"
  measure quitanza "$quitanza" lote "$work/lote.csv" --pdf "$work/lote.pdf" --dados "$work/data" >>"$work/results.txt"
  measure reportlab /usr/bin/python3 "$peers/gen_reportlab.py" "$receipts" >>"$work/results.txt"
  run=$((run + 1))
done
awk '{ printf "  %-9s cpu %7.3f  wall %7.3f  peak %6.1f MB\n", $1, $2, $3, $4 / 1024 }' "$work/results.txt"

# Medians of each side, and our share of the peer's time.
awk '
  function median(list, n,   i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (list[j] < list[i]) { t = list[i]; list[i] = list[j]; list[j] = t }
    return n % 2 ? list[(n + 1) / 2] : (list[n / 2] + list[n / 2 + 1]) / 2
  }
  $1 == "quitanza" { qc[++q] = $2; qw[q] = $3; if ($4 > qp) qp = $4 }
  $1 == "reportlab" { rc[++r] = $2; rw[r] = $3; if ($4 > rp) rp = $4 }
  END {
    mqc = median(qc, q); mqw = median(qw, q); mrc = median(rc, r); mrw = median(rw, r)
    printf "== medians: quitanza cpu %.3f s wall %.3f s (peak %.1f MB); reportlab cpu %.3f s wall %.3f s (peak %.1f MB)\n", mqc, mqw, qp / 1024, mrc, mrw, rp / 1024
    printf "== quitanza takes %.3f of the peer wall time (%.3f of its CPU); target at most 0.100, peak under 200 MB\n", mqw / mrw, mqc / mrc
  }' "$work/results.txt"

pages=$(qpdf --show-npages "$work/lote.pdf")
rows=$(grep -o '<ROW ' "$work/data/recibo.xml" | wc -l)
echo "the last PDF has $pages pages and passes qpdf --check: $(qpdf --check "$work/lote.pdf" >/dev/null && echo yes)"
echo "the last register holds $rows rows"
