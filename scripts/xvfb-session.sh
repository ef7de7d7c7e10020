# Sourced by the screenshot scripts: a scratch folder in $work, a virtual X server of 1440 x 900
# (or the XVFB_SCREEN given, 1366x768 say) on $DISPLAY, and a clean-up on exit that also stops
# the program whose pid is in $app.
work=$(mktemp -d)
display_file=$work/display
Xvfb -displayfd 3 -screen 0 ${XVFB_SCREEN:-1440x900}x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  # Waited for: a server still ending removes its socket, which may by then be the next
  # session's on the same display number.
  kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$display_file")
# Answering before anything is started on it.
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
# Clicks at X,Y inside the program's main window, wherever the window was placed on the screen.
click_in_window() {
  local id pos
  id=$(xdotool search --sync --onlyvisible --name '^Brontaxe' | head -n1)
  pos=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
  set -- $(( $1 + ${pos% *} )) $(( $2 + ${pos#* } ))
  xdotool mousemove "$1" "$2" click 1
}
# Types TEXT into the entry box at X,Y of the main window as a user does (a click, the old text
# selected and replaced, Return), then gives the window a moment to answer.
type_in_window() {
  click_in_window "$1" "$2"
  sleep 0.3
  xdotool key ctrl+a type "$3"
  xdotool key Return
  sleep 1
}
