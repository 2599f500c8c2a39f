#!/bin/sh
# PDF export speed side by side with the peer (ReportLab drawing the same
# receipt, one file per receipt, fonts embedded as subsets). Run after ./test
# has built the benchmarks: scripts/pdf-peer-bench.sh [BUILD_DIR]
set -eu
build=${1:-build}
peers=/work/shared/peers
if ! /usr/bin/python3 -c 'import reportlab' 2>/dev/null || ! command -v hyperfine >/dev/null; then
  apt-get install -y --no-install-recommends python3-reportlab fonts-liberation2 hyperfine
fi

echo "== Peer: 200 receipts in one process (per receipt = total / 200)"
hyperfine -N --warmup 1 --runs 5 "/usr/bin/python3 $peers/gen_reportlab.py 200" "/usr/bin/python3 $peers/gen_reportlab.py 1"

echo "== Ours, in-process: 1,000 receipt pages into one PDF, and one receipt per document"
"$build/bench/report/output/report_output_pdf_export_bench" --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true
