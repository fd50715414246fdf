#!/bin/sh
# Protects the Debian package: its dependencies, the files it installs (programs, help, desktop entry, MIME type, icons, AppStream description, a manual page for every program, the Python module when built), lintian without errors and a valid AppStream description.
# Usage: package_test.sh BUILD_DIR VERSION. Exit 77 (skipped) when the packaging tools are missing.
set -eu
build=$1
version=$2

for tool in cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli man; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed (Debian: cmake, dpkg-dev, lintian, appstream, man-db); skipped"
    exit 77
  fi
done

fail() { echo "FAIL: $*"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/torvik_"$version"_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { ls "$work/out"; fail "no torvik_${version}_<arch>.deb"; }

# What it needs at run time: the Qt libraries and libjpeg found by
# dpkg-shlibdeps, and the platform plugins Qt loads by name.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6widgets6 libqt6charts6 libqt6svg6 libjpeg62-turbo qt6-qpa-plugins; do
  echo "$depends" | grep -q "\b$package\b" || fail "Depends does not name $package: $depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr
for file in bin/torvik bin/torvik-activate bin/torvik-design share/torvik/help/index.html share/torvik/default-data/Settings/TorvikSettings.ini \
    share/applications/torvik.desktop share/mime/packages/torvik.xml share/icons/hicolor/scalable/apps/torvik.svg \
    share/icons/hicolor/scalable/mimetypes/application-x-torvik-design.svg share/metainfo/com.kelmar.torvik.metainfo.xml \
    share/doc/torvik/copyright share/doc/torvik/changelog.gz; do
  [ -f "$usr/$file" ] || fail "the package holds no /usr/$file"
done
# Every program has its manual page, which man reads without a warning.
for program in "$usr"/bin/*; do
  name=$(basename "$program")
  page=$usr/share/man/man1/$name.1.gz
  [ -f "$page" ] || fail "no manual page for $name"
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man $name failed: $warnings"
  [ -z "$warnings" ] || fail "man $name warns: $warnings"
done
# The unpacked programs run from where they lie.
for program in torvik torvik-activate torvik-design; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$usr/bin/$program" --version 2>&1) || fail "$program --version: $out"
  [ "$out" = "$program $version" ] || fail "$program --version printed '$out'"
done

# The Python module, when the build made it: recommended Python and NumPy,
# and the module imports into the system's python3 from where the package
# puts it.
if ls "$build"/python/torvik.*.so >/dev/null 2>&1; then
  recommends=$(dpkg-deb -f "$deb" Recommends)
  for package in python3 python3-numpy; do
    echo "$recommends" | grep -q "\b$package\b" || fail "Recommends does not name $package: $recommends"
  done
  ls "$usr"/lib/python3/dist-packages/torvik.*.so >/dev/null 2>&1 || fail "the package holds no Python module"
  if [ -x /usr/bin/python3 ]; then
    out=$(cd "$work" && PYTHONPATH="$usr/lib/python3/dist-packages" /usr/bin/python3 -c 'import torvik; print(torvik.__version__)' 2>&1) ||
      fail "the packaged Python module does not import: $out"
    [ "$out" = "$version" ] || fail "the packaged Python module's version is '$out'"
  fi
fi

errors=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep '^E:' || true)
[ -z "$errors" ] || fail "lintian reports errors:
$errors"
appstreamcli validate --no-net "$usr/share/metainfo/com.kelmar.torvik.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "appstreamcli validate"; }

echo "package ok: $(basename "$deb"), $(du -k "$deb" | cut -f1) kB"
