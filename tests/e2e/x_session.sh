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
