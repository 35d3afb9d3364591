#!/bin/sh
# Packages the build as a Debian package and lists its contents and
# dependencies: the package holds the installed tree under /usr, depends
# on the Qt, OpenGL and C++ libraries dpkg-shlibdeps found, and lintian
# finds no error and no warning in it.
#   package_test.sh BUILD_FOLDER
set -u
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; echo "FAIL: cpack" >&2; exit 1; }
set -- "$work"/rolvanta_*.deb
[ -f "$1" ] || { echo "FAIL: no rolvanta_*.deb in $(ls "$work")" >&2; exit 1; }
package=$1
echo "== $(basename "$package")"
dpkg-deb --info "$package"
dpkg-deb --contents "$package"

depends=$(dpkg-deb --field "$package" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6openglwidgets6 \
    libopengl0 fonts-liberation; do
  echo "$depends" | grep -q "\b$library\b" || fail "Depends lacks $library: $depends"
done
contents=$(dpkg-deb --contents "$package" | awk '{print $6}')
for file in ./usr/bin/rolvanta ./usr/bin/rolvanta-cli ./usr/share/rolvanta/profile.dat \
    ./usr/share/rolvanta/Bitmap.bmp ./usr/share/applications/rolvanta.desktop \
    ./usr/share/metainfo/rolvanta.metainfo.xml ./usr/share/mime/packages/rolvanta.xml \
    ./usr/share/icons/hicolor/256x256/apps/rolvanta.png \
    ./usr/share/icons/hicolor/scalable/apps/rolvanta.svg ./usr/share/man/man1/rolvanta.1.gz \
    ./usr/share/man/man1/rolvanta-cli.1.gz ./usr/share/doc/rolvanta/copyright \
    ./usr/share/doc/rolvanta/changelog.Debian.gz; do
  echo "$contents" | grep -qx "$file" || fail "the package lacks $file"
done
[ "$(dpkg-deb --field "$package" Package)" = rolvanta ] || fail "package name"
lintian --fail-on error,warning --tag-display-limit 0 "$package" >"$work/lintian" 2>&1 ||
  fail "lintian: $(cat "$work/lintian")"
[ "$failures" -eq 0 ] && echo "package: all checks passed"
exit $((failures != 0))
