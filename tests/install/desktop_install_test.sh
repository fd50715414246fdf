#!/bin/sh
# Protects the desktop integration of an install: the desktop entry that passes the file, the design files' MIME type and the icons, and the programs answering --version without a display.
# Usage: desktop_install_test.sh BUILD_DIR VERSION. Exit 77 (skipped) when the desktop tools are missing.
set -eu
build=$1
version=$2

for tool in desktop-file-validate update-mime-database; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed (Debian: desktop-file-utils, shared-mime-info); skipped"
    exit 77
  fi
done

fail() { echo "FAIL: $*"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "install"; }

share=$prefix/share
entry=$share/applications/torvik.desktop
[ -f "$entry" ] || fail "no desktop entry"
grep -qx 'Exec=torvik %f' "$entry" || fail "the desktop entry does not pass the file: $(grep '^Exec=' "$entry")"
grep -qx 'MimeType=application/x-torvik-design;' "$entry" || fail "the desktop entry declares no design type"
grep -qx 'Icon=torvik' "$entry" || fail "the desktop entry names another icon"
# Valid, and without hints either.
report=$(desktop-file-validate "$entry" 2>&1) || { echo "$report"; fail "desktop-file-validate"; }
[ -z "$report" ] || { echo "$report"; fail "desktop-file-validate has remarks"; }

[ -f "$share/icons/hicolor/scalable/apps/torvik.svg" ] || fail "no program icon"
[ -f "$share/icons/hicolor/scalable/mimetypes/application-x-torvik-design.svg" ] || fail "no design file icon"
xml=$share/mime/packages/torvik.xml
[ -f "$xml" ] || fail "no MIME type description"

# The description builds into a MIME database that maps *.tvk to the type.
mime=$work/mime
mkdir -p "$mime/packages"
cp "$xml" "$mime/packages/"
XDG_DATA_HOME=$work XDG_DATA_DIRS=$work update-mime-database "$mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "update-mime-database"; }
[ ! -s "$work/mime.log" ] || { cat "$work/mime.log"; fail "update-mime-database has remarks"; }
grep -q ':application/x-torvik-design:\*\.tvk' "$mime/globs2" || fail "*.tvk is not a design file"
grep -q '^application/x-torvik-design text/plain$' "$mime/subclasses" || fail "a design is not shown as text"

# --help and --version need no display: with the X11 platform and no display,
# a program that started its graphical side would abort.
for program in torvik torvik-activate torvik-design; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/$program" --version 2>&1) ||
    fail "$program --version: $out"
  [ "$out" = "$program $version" ] || fail "$program --version printed '$out'"
done
out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/torvik" --help 2>&1) || fail "torvik --help: $out"
echo "$out" | grep -q '^Usage: torvik \[options\] \[design.tvk\]$' || fail "torvik --help printed '$out'"

echo "desktop install ok"
