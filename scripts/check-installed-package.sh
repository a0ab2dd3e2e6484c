#!/usr/bin/env bash
# Checks the suite's Debian package as installed on this machine, the way the desktop sees it, then
# removes it and checks that nothing of it is left. Usage: check-installed-package.sh PACKAGE
set -euo pipefail
package="$1"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
fail() { echo "FAILED: $*"; exit 1; }

# The menu entry, and the file types it opens ("Open With" in a file manager).
[ -f /usr/share/applications/org.zelm.zelmview.desktop ] || fail "no menu entry"
if [ -f /usr/share/applications/mimeinfo.cache ]; then
  grep -q "^application/x-zelm-transient=.*org.zelm.zelmview.desktop" /usr/share/applications/mimeinfo.cache \
    || fail "the desktop does not offer zelmview for .trn files"
fi
if [ -f /usr/share/mime/globs2 ]; then
  grep -q "application/x-zelm-transient:\*\.trn" /usr/share/mime/globs2 || fail "the .trn file type is not known"
fi
man -w zelm > /dev/null || fail "man zelm"
man -w uncertainty > /dev/null || fail "man uncertainty"
man -w zelmview > /dev/null || fail "man zelmview"

# Removed, the package leaves none of its files behind, nor the folders that are its alone.
files="$(mktemp)"
trap 'rm -f "$files"' EXIT
dpkg -L "$package" | while read -r path; do [ -d "$path" ] || echo "$path"; done > "$files"
printf '%s\n' "/usr/share/$package" "/usr/share/doc/$package" >> "$files"
DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -q "$package" > /dev/null
left=0
while read -r path; do
  [ -e "$path" ] && { echo "left behind: $path"; left=1; }
done < "$files"
[ "$left" -eq 0 ] || fail "the package left files behind"
if [ -f /usr/share/applications/mimeinfo.cache ] && grep -q org.zelm.zelmview.desktop /usr/share/applications/mimeinfo.cache; then
  fail "the desktop still offers the removed program"
fi
echo "The package installs, integrates with the desktop and removes cleanly."
