# Sourced by the tests of pages that show commands: a page's fenced blocks, and a run of its
# ```sh blocks as a reader pastes them at the top of a built tree.

# blocks LANG PAGE: the lines of every ```LANG block of PAGE, in order.
blocks() { awk -v open='```'"$1" '$0 == open {on = 1; next} /^```/ {on = 0} on' "$2"; }

# workshop BUILD OUT: OUT made afresh, with the built tree linked in as OUT/build.
workshop() {
  rm -rf "$2"
  mkdir -p "$2/user"
  ln -s "$1" "$2/build"
}

# run_sh_blocks PAGE OUT NAME: PAGE's ```sh blocks run in OUT with a HOME of their own, so that
# commands without --home keep their host folder there; on a failure the log is shown and the
# test ends. The shell stays in OUT.
run_sh_blocks() {
  blocks sh "$1" > "$2/$3.sh"
  cd "$2"
  if ! HOME=$2/user bash -xeu "$3.sh" > "$3.log" 2>&1; then
    cat "$3.log"
    echo "$3: the last command above failed" >&2
    exit 1
  fi
}
