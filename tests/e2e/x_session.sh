# Sourced by the tests that work orvex's window under a real X server: the tools they need and a
# fresh host folder with the plug-in and an empty design in millimetres.
# shellcheck shell=bash

# need_tools PACKAGES TOOL...: exits 77 (ctest's skip) when a tool is missing.
need_tools() {
  local packages=$1
  shift
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "skipped: $tool is missing (the packages $packages provide it)"
      exit 77
    fi
  done
}

# fresh_design ORVEX MODULE OUT: $OUT/home holds the plug-in, $OUT/d.design is new; sets run=(...).
fresh_design() {
  rm -rf "$3"
  mkdir -p "$3/home"
  ln -s "$2" "$3/home/tessra.dll"
  run=("$1" --home "$3/home")
  "${run[@]}" new "$3/d.design" --units mm >/dev/null
}

# person_opens ORVEX OUT FOOTPRINT: the start of a person's script on the virtual display, which
# opens the sheet of FOOTPRINT in $OUT/d.design on a 1024 x 768 screen and finds its window
# ($pid, $wid); the test's own steps follow it.
person_opens() {
  cat <<PERSON
set -euo pipefail
unset SDL_VIDEODRIVER
# Under the sanitizers, the X libraries allocate for the life of the process from code without
# frame pointers, which no suppression can name; this run is checked for everything but leaks
# (the windowed tests under the dummy driver keep the leak check on our own code).
export ASAN_OPTIONS="\${ASAN_OPTIONS:+\$ASAN_OPTIONS:}detect_leaks=0"
"$1" --home "$2/home" run "$2/d.design" $3 --screen 1024x768 > "$2/run.out" 2>&1 &
pid=\$!
wid=\$(timeout 30 xdotool search --sync --name "^Orvex" | head -1)
PERSON
}

# person_acts OUT: runs $OUT/person.sh on a virtual display, then shows what orvex said; a
# script that fails or hangs ends the test with it.
person_acts() {
  if ! timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$1/person.sh"; then
    echo "the person's part failed; orvex said:"
    cat "$1/run.out" || true
    exit 1
  fi
  cat "$1/run.out"
}
