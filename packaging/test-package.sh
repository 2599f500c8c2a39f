#!/usr/bin/env bash
# Makes the Debian package from a build tree (cpack installs what is built,
# it builds nothing), checks it as Debian's tools do, then unpacks it into a
# temporary root and runs the program from there as a new user meets it: a
# fresh home folder, no --dados, no display.
#   packaging/test-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$build"
cpack -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack"; }
debs=("$work"/cpack/quitanza_*.*.*_amd64.deb)
[ -f "${debs[0]}" ] || fail "no quitanza_X.Y.Z_amd64.deb in $(ls "$work/cpack")"
deb=${debs[0]}
echo "== $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libc6 fonts-wine cups-client; do
  [[ $depends == *"$package"* ]] || fail "Depends lacks $package: $depends"
done

echo "== lintian"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

root=$work/root
dpkg-deb -x "$deb" "$root"
echo "== desktop-file-validate, appstreamcli validate"
desktop-file-validate "$root"/usr/share/applications/br.com.quitanza.Quitanza.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/br.com.quitanza.Quitanza.metainfo.xml
for file in usr/share/icons/hicolor/scalable/apps/br.com.quitanza.Quitanza.svg \
  usr/share/icons/hicolor/48x48/apps/br.com.quitanza.Quitanza.png usr/share/man/man1/quitanza.1.gz \
  usr/share/quitanza/Recibo.fr3 usr/share/quitanza/Pagar.fr3 usr/share/quitanza/manual.pdf; do
  [ -f "$root/$file" ] || fail "$file is not in the package"
done
# The templates must come from share/quitanza/, not from beside the program.
[ ! -e "$root/usr/bin/Recibo.fr3" ] || fail "Recibo.fr3 beside the executable"

echo "== the unpacked program, for a new user"
home=$work/home
mkdir "$home"
quitanza() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_DATA_HOME -u XDG_RUNTIME_DIR HOME="$home" "$root/usr/bin/quitanza" "$@"
}
version=$(quitanza --version)
[[ $version =~ ^quitanza\ [0-9]+\.[0-9]+\.[0-9]+ ]] || fail "--version printed: $version"
data=$(quitanza --dados-padrao)
[ "$data" = "$home/.local/share/Quitanza" ] || fail "--dados-padrao printed: $data"
quitanza emitir --cliente "Maria da Silva" --valor 1500 --referente Aluguel --pdf "$work/recibo.pdf" >"$work/emitir.out" \
  || fail "emitir: $(cat "$work/emitir.out")"
grep -q "Recibo N°: 0000000001" "$work/emitir.out" || fail "emitir printed: $(cat "$work/emitir.out")"
[ -f "$data/recibo.xml" ] && [ -f "$data/config.ini" ] || fail "the receipt is not in $data"
qpdf --check "$work/recibo.pdf" >/dev/null || fail "the receipt's PDF does not pass qpdf --check"
text=$(pdftotext "$work/recibo.pdf" -)
for expected in RECIBO "MARIA DA SILVA" "UM MIL E QUINHENTOS REAIS" ALUGUEL; do
  [[ $text == *"$expected"* ]] || fail "the receipt does not show \"$expected\""
done

echo "== bash completion"
completion=$(PATH="$root/usr/bin:$PATH" HOME="$home" bash -c '
  source "$1"
  COMP_WORDS=(quitanza em); COMP_CWORD=1; _quitanza; echo "${COMPREPLY[*]}"' _ \
  "$root/usr/share/bash-completion/completions/quitanza")
[ "$completion" = emitir ] || fail "completing \"quitanza em\" gave: $completion"
echo "package: all checks passed"
