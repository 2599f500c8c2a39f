#!/bin/sh
# A whole `quitanza emitir ... --pdf` process (start, issue, export, exit)
# side by side with one receipt process of the peer (ReportLab drawing the same
# receipt). Target: ours takes at most a third of the peer's time.
#   scripts/emitir-peer-bench.sh [PEERS_DIR] [BUILD_DIR]
# PEERS_DIR holds gen_reportlab.py (default: ../shared/peers beside the
# repository); BUILD_DIR holds the built program (default: build).
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
peers=${1:-$repo/../shared/peers}
build=${2:-$repo/build}
quitanza=$build/app/quitanza
[ -f "$peers/gen_reportlab.py" ] || { echo "gen_reportlab.py not found in $peers" >&2; exit 2; }
[ -x "$quitanza" ] || { echo "$quitanza not built (./test builds it)" >&2; exit 2; }

if ! /usr/bin/python3 -c 'import reportlab' 2>/dev/null || ! command -v hyperfine >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y --no-install-recommends python3-reportlab fonts-liberation2 hyperfine
fi

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
# A configured issuer with a logo, as a receipt is issued in practice.
"$quitanza" configurar --dados "$data" --empresa "Padaria São João" --endereco "Rua Grande, 100" \
  --bairro Centro --cidade "São Luís" --cpf-cnpj 12345678000195 --telefone 9832104567 \
  --email contato@padaria.com.br --site www.padaria.com.br --logo "$repo/tests/data/draw/logo.png" >/dev/null

# Every run issues one more receipt into the same register, as an operator does.
hyperfine -N --warmup 3 --runs 30 \
  "$quitanza emitir --dados $data --cliente MARIA --valor 1500 --documento 11144477735 --referente Aluguel --pdf $data/recibo.pdf" \
  "/usr/bin/python3 $peers/gen_reportlab.py 1"
qpdf --check "$data/recibo.pdf" >/dev/null && echo "the last receipt passes qpdf --check"
