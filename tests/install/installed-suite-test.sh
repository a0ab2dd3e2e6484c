#!/usr/bin/env bash
# Installs the suite from a build folder into a scratch DESTDIR, as the package does, and uses the
# installed programs the way a user would: the desktop files validate, zelm and uncertainty run on
# installed examples, and zelmview starts offscreen in the user's copy of the examples and opens
# a report named on its command line. Usage: installed-suite-test.sh BUILD_DIR, or
# installed-suite-test.sh --system to check the suite installed on this machine by its package.
set -euo pipefail
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
if [ "$1" = "--system" ]; then
  root=""
else
  root="$scratch/root"
  DESTDIR="$root" cmake --install "$1" --prefix /usr > "$scratch/install.log"
fi

fail() { echo "FAILED: $*"; exit 1; }
need() { [ -e "$root/usr/$1" ] || fail "not installed: /usr/$1"; }

for program in zelm uncertainty zelmview; do need "bin/$program"; need "share/man/man1/$program.1.gz"; done
need share/applications/org.zelm.zelmview.desktop
need share/metainfo/org.zelm.zelmview.metainfo.xml
need share/mime/packages/zelmview.xml
need share/icons/hicolor/scalable/apps/zelmview.svg
for size in 16 32 48 64 128 256; do need "share/icons/hicolor/${size}x${size}/apps/zelmview.png"; done
need share/doc/zelm/copyright
need share/doc/zelm/changelog.gz
ls "$root/usr/share/zelm/examples/"*.trn "$root/usr/share/zelm/examples/"*.rsk > /dev/null || fail "no examples installed"

# The desktop's own checkers, where they are installed (CI installs them).
check() { if command -v "$1" > /dev/null; then "$@" || fail "$*"; else echo "skipped: $1 is not installed"; fi; }
check desktop-file-validate "$root/usr/share/applications/org.zelm.zelmview.desktop"
check appstreamcli validate --no-net "$root/usr/share/metainfo/org.zelm.zelmview.metainfo.xml"
check xmllint --noout "$root/usr/share/mime/packages/zelmview.xml"
check man --warnings -l -Tutf8 "$root/usr/share/man/man1/zelm.1.gz" > /dev/null

# The models, from a copy of the installed examples (those are read-only).
work="$scratch/work"
mkdir -p "$work"
cp "$root/usr/share/zelm/examples/hillcrest-design.trn" "$root/usr/share/zelm/examples/bottomland-reliability-table.rsk" "$work/"
(cd "$work" && "$root/usr/bin/zelm" hillcrest-design && "$root/usr/bin/uncertainty" bottomland-reliability-table) \
  || fail "the installed models did not run cleanly"
[ -s "$work/hillcrest-design.OTR" ] && [ -s "$work/bottomland-reliability-table.UNC" ] || fail "no reports written"
"$root/usr/bin/zelm" --version | grep -q "^zelm [0-9]" || fail "zelm --version"
"$root/usr/bin/uncertainty" --version | grep -q "^uncertainty [0-9]" || fail "uncertainty --version"

# zelmview in a fresh home: it starts in a copy of the installed examples in the documents folder,
# and the report it was asked to open becomes its most recent file.
home="$scratch/home"
mkdir -p "$home"
status=0
(cd "$work" && HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen \
  timeout 8 "$root/usr/bin/zelmview" --open "$work/hillcrest-design.OTR") > "$scratch/zelmview.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$scratch/zelmview.log"; fail "zelmview ended by itself (status $status)"; }
[ -f "$home/Documents/zelm-examples/hillcrest-design.trn" ] || fail "no copy of the examples in the documents folder"
[ -w "$home/Documents/zelm-examples/hillcrest-design.trn" ] || fail "the copied examples cannot be written"
grep -q "hillcrest-design.OTR" "$home/.config/zelmview/zelmview.conf" || fail "zelmview did not open the report"
echo "The installed suite works."
