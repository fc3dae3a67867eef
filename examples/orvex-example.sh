# What the example scripts share, sourced by each: `o` runs orvex, the program that ORVEX names
# (default: build/host/orvex/orvex) in the host folder that ORVEX_HOME names, if any.
orvex=${ORVEX:-$here/../build/host/orvex/orvex}
o() {
  if [ -n "${ORVEX_HOME:-}" ]; then "$orvex" --home "$ORVEX_HOME" "$@"; else "$orvex" "$@"; fi
}
