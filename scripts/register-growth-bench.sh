#!/bin/sh
# What issuing and listing cost as the register grows: whole `emitir --pdf`
# processes on registers of 0, 10,000 and 100,000 receipts, and `listar --json`
# of 100,000 and 200,000, each several times, interleaved; prints the median
# CPU (user + system), wall time and peak memory of each.
#   scripts/register-growth-bench.sh [BUILD_DIR] [RUNS]
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build}
runs=${2:-5}
quitanza=$build/app/quitanza
[ -x "$quitanza" ] || { echo "$quitanza not built (./test builds it)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One receipt issued for real gives the file's exact form; the big registers
# repeat its row with other numbers and names.
mkdir "$work/seed"
"$quitanza" emitir --dados "$work/seed" --cliente "MARIA DA SILVA" --valor 1500 --documento 11144477735 \
  --referente "Aluguel de janeiro" >/dev/null
make_register() {  # ROWS FOLDER
  mkdir -p "$2"
  cp "$work/seed/config.ini" "$2/"
  python3 - "$work/seed/recibo.xml" "$1" "$2/recibo.xml" <<'PY'
import re, sys
text = open(sys.argv[1], encoding="utf-8").read()
head, row, tail = re.match(r'(.*<ROWDATA>)(<ROW .*?/>)(</ROWDATA>.*)', text, re.S).groups()
rows = int(sys.argv[2])
with open(sys.argv[3], "w", encoding="utf-8") as out:
    out.write(head)
    for n in range(rows, 0, -1):
        out.write(row.replace('Codigo="1"', 'Codigo="%d"' % n).replace("MARIA DA SILVA", "CLIENTE %d" % n))
    out.write(tail)
PY
}
for rows in 0 10000 100000 200000; do make_register $rows "$work/r$rows"; done
rm "$work/r0/recibo.xml"

measure() {  # LABEL COMMAND...: appends "label cpu wall rss" to the results
  label=$1; shift
  /usr/bin/time -f "$label %U %S %e %M" -a -o "$work/results" "$@" >/dev/null
}
for i in $(seq "$runs"); do
  for rows in 0 10000 100000; do
    measure "emitir/$rows" "$quitanza" emitir --dados "$work/r$rows" --cliente MARIA --valor 1500 \
      --documento 11144477735 --referente Aluguel --pdf "$work/recibo.pdf"
  done
  for rows in 100000 200000; do
    measure "listar-json/$rows" sh -c "\"$quitanza\" listar --json --dados \"$work/r$rows\" >/dev/null"
  done
done

python3 - "$work/results" <<'PY'
import statistics, sys
results = {}
for line in open(sys.argv[1]):
    parts = line.split()
    if len(parts) != 5 or "/" not in parts[0]:
        continue
    label, user, system, wall, rss = parts
    results.setdefault(label, []).append((float(user) + float(system), float(wall), int(rss) / 1024))
print("%-20s %9s %9s %9s" % ("", "CPU s", "wall s", "peak MB"))
for label, values in results.items():
    print("%-20s %9.3f %9.3f %9.1f" % (label, *(statistics.median(v[i] for v in values) for i in range(3))))
PY
