#!/usr/bin/env bash
# install_test.sh CMAKE BUILD_DIR
# Installs the build into a temporary prefix, moves the prefix elsewhere and runs the game from
# there: an installed game must find its sheets and data relative to itself. Checks what was
# installed, and validates the desktop entry and the AppStream metadata when the validators are
# there.
set -euo pipefail

cmake=$1
build=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/qelvane-install-XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
  echo "install_test: $*" >&2
  exit 1
}

"$cmake" --install "$build" --prefix "$work/first" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install failed"; }
mkdir "$work/moved"
mv "$work/first" "$work/moved/prefix"
p=$work/moved/prefix
app=org.qelvane.Qelvane

# What is installed, and nothing of the player's or the build's own.
for f in bin/qelvane share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
         share/man/man6/qelvane.6.gz share/qelvane/d/enemy.map share/qelvane/d/demo.qrp \
         share/qelvane/d/b01.mid share/qelvane/d/s01.wav share/qelvane/sheets/PL.png; do
  [ -f "$p/$f" ] || fail "$f is not installed"
done
[ -x "$p/bin/qelvane" ] || fail "bin/qelvane cannot be run"
stray=$(cd "$p/share/qelvane" && find . -type f ! -name '*.png' ! -name '*.map' ! -name 'b0?.mid' \
          ! -name 's??.wav' ! -name demo.qrp)
[ -z "$stray" ] || fail "installed beside the data: $stray"
for size in 32 64 128 256; do
  icon=$p/share/icons/hicolor/${size}x${size}/apps/$app.png
  [ -f "$icon" ] || fail "the ${size} px icon is not installed"
  # The PNG header: width and height, 8 bits, colour type 6 (RGBA).
  header=$(od -An -tu1 -j16 -N10 "$icon" | tr -s ' ')
  want=" 0 0 $((size >> 8)) $((size & 255)) 0 0 $((size >> 8)) $((size & 255)) 8 6"
  [ "$header" = "$want" ] || fail "the ${size} px icon is not ${size} x ${size} RGBA:$header"
done
gzip -t "$p/share/man/man6/qelvane.6.gz" || fail "the manual page is not gzip"

# The moved game runs, on a home of its own so nothing of the user's is read or written.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
mkdir -p "$HOME"
version=$("$p/bin/qelvane" --version) || fail "qelvane --version failed"
case $version in QELVANE*) ;; *) fail "qelvane --version printed: $version" ;; esac
(cd "$work" && "$p/bin/qelvane" --headless --seed 1 --passes 100 --dump-state "$work/state.json" \
   --screenshot "$work/shot.png") >"$work/run.log" 2>&1 ||
  { cat "$work/run.log" >&2; fail "the headless run from the moved prefix failed"; }
grep -q '"passes": 100' "$work/state.json" || fail "the headless run stopped early: $(cat "$work/state.json")"
[ -s "$work/shot.png" ] || fail "the headless run wrote no screenshot"

if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$p/share/applications/$app.desktop" || fail "desktop-file-validate"
else
  echo "install_test: desktop-file-validate not found, the desktop entry is not validated"
fi
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net --explain "$p/share/metainfo/$app.metainfo.xml" ||
    fail "appstreamcli validate"
else
  echo "install_test: appstreamcli not found, the metadata is not validated"
fi
echo "install_test: installed, moved and ran from $p"
