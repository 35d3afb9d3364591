#!/bin/sh
# Installs the build into a temporary prefix and checks the tree as a desktop
# and a package would see it, then starts the installed program from an
# empty folder with a project file, as a file manager starts it, on an X
# server of its own; there the desktop program's own test drives it.
#   install_test.sh BUILD_FOLDER PROGRAM_TESTS
set -u
build=$1
program_tests=$2
work=$(mktemp -d)
program=
xserver=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  [ -n "$xserver" ] && kill "$xserver" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }

for file in bin/rolvanta bin/rolvanta-cli share/rolvanta/profile.dat share/rolvanta/Bitmap.bmp \
    share/applications/rolvanta.desktop share/metainfo/rolvanta.metainfo.xml \
    share/mime/packages/rolvanta.xml share/man/man1/rolvanta.1.gz share/man/man1/rolvanta-cli.1.gz \
    share/doc/rolvanta/copyright; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done

desktop-file-validate "$prefix/share/applications/rolvanta.desktop" || fail "desktop entry"
grep -qx 'Exec=rolvanta %f' "$prefix/share/applications/rolvanta.desktop" ||
  fail "the desktop entry does not hand the program its file"
grep -qx 'MimeType=application/x-rolvanta-project;application/x-rolvanta-design;' "$prefix/share/applications/rolvanta.desktop" ||
  fail "the desktop entry does not name the project file type"
appstreamcli validate --no-net "$prefix/share/metainfo/rolvanta.metainfo.xml" >/dev/null ||
  fail "metainfo: $(appstreamcli validate --no-net "$prefix/share/metainfo/rolvanta.metainfo.xml")"
xmllint --noout "$prefix/share/mime/packages/rolvanta.xml" || fail "MIME XML"
for glob in rol rolx; do
  grep -q "<glob pattern=\"\\*.$glob\"/>" "$prefix/share/mime/packages/rolvanta.xml" ||
    fail "the MIME XML has no glob for *.$glob"
done

for size in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/rolvanta.png
  file -b "$icon" | grep -q "PNG image data, $size x $size," ||
    fail "icon ${size}x$size: $(file -b "$icon" 2>&1)"
done

for page in rolvanta rolvanta-cli; do
  text=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>"$work/man-warnings")
  [ -s "$work/man-warnings" ] && fail "man $page: $(cat "$work/man-warnings")"
  echo "$text" | grep -q "^NAME" || fail "man $page renders no NAME section"
done

# --help and --version answer on standard output with no display at all.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/rolvanta" --help) || fail "--help fails"
echo "$help" | grep -q "^Usage: rolvanta \[options\] \[FILE\]" ||
  fail "--help does not tell of the project file: $help"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/rolvanta" --version) || fail "--version fails"
[ "$version" = "rolvanta $(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$prefix/share/metainfo/rolvanta.metainfo.xml")" ] ||
  fail "--version gives '$version', not the release of the metainfo"
"$prefix/bin/rolvanta" --no-such-option >/dev/null 2>"$work/usage"
[ $? -eq 2 ] && grep -q "no-such-option" "$work/usage" ||
  fail "an unknown option is not refused by name: $(cat "$work/usage")"

# From an empty folder, the installed tools find the catalogue they were
# installed with: the command-line tool designs a catalogue beam there.
empty=$work/empty
files=$work/files
mkdir "$empty" "$files"
(cd "$empty" && "$prefix/bin/rolvanta-cli" compute --profile "MB 200" --passes 9 \
    --temperature 1100 --save "$files/beam.rol" >/dev/null) ||
  fail "rolvanta-cli does not find the installed catalogue"

# A virtual X server on a display number it picks itself: two servers
# started at once (xvfb-run -a) can take the same number. Without -noreset
# the server resets when its last client leaves, and a program that
# connects during the reset is refused ("could not connect to display"):
# the next start after a program ended failed now and then.
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset 9>"$work/display" 2>"$work/xvfb.log" &
xserver=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "FAIL: Xvfb does not start" >&2; exit 1; }
DISPLAY=:$(head -n 1 "$work/display")
XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export DISPLAY XDG_RUNTIME_DIR

# The window's title, waited for up to 60 seconds (a loaded machine starts
# a program slowly); empty when none came.
window_named() {
  for _ in $(seq 120); do
    found=$(xdotool search --name "$1" 2>/dev/null | head -n 1)
    [ -n "$found" ] && { echo "$found"; return; }
    sleep 0.5
  done
}
start_program() {
  (cd "$empty" && QT_QPA_PLATFORM=xcb exec "$prefix/bin/rolvanta" "$@" 2>"$work/program.err") &
  program=$!
}
# What a failed wait saw: the windows there are, and whether the program
# still runs and what it said.
what_was_there() {
  echo "windows: $(xdotool search --name . getwindowname %@ 2>&1 | tr '\n' '|')"
  kill -0 "$program" 2>/dev/null && echo "the program runs" || echo "the program has ended"
  echo "it said: $(cat "$work/program.err")"
}
stop_program() {
  kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null
  program=
}

start_program "$files/beam.rol"
[ -n "$(window_named "^ROLVANTA - beam.rol \\( $files/beam.rol \\)\$")" ] ||
  fail "the opened project's name is not in the title: $(what_was_there)"
stop_program

# A file that is not there: the program says so and starts empty.
start_program "$files/missing.rol"
[ -n "$(window_named '^Cannot Open File$')" ] ||
  fail "no message about the missing file: $(what_was_there)"
[ -n "$(window_named '^ROLVANTA - Start New Project$')" ] ||
  fail "a missing file does not leave the empty start: $(what_was_there)"
stop_program

# Started from an empty folder, the installed program shows the welcome
# picture installed with it and runs a user's first steps.
(cd "$empty" && TMPDIR="$empty" "$program_tests" "$prefix/bin/rolvanta" "$work" >"$work/program.log" 2>&1) ||
  fail "the installed program: $(cat "$work/program.log")"

[ -z "$(ls -A "$empty")" ] || fail "the program wrote into its working folder: $(ls -A "$empty")"
[ "$failures" -eq 0 ] && echo "installed tree and program: all checks passed"
exit $((failures != 0))
