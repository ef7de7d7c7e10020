# Sourced by the screenshot scripts: a scratch folder in $work, a virtual X server of 1440 x 900
# on $DISPLAY, and a clean-up on exit that also stops the program whose pid is in $app.
work=$(mktemp -d)
display_file=$work/display
Xvfb -displayfd 3 -screen 0 1440x900x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$display_file")
