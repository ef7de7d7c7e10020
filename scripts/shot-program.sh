# Sourced by the screenshot scripts, which drive the window's shot program
# (tests/app/window_shots.cpp): run_shot_program WHAT OUT ARGS... builds it, opens a virtual X
# server (scripts/xvfb-session.sh) and runs it there on fresh settings.
run_shot_program() {
  local target=window_shots
  cmake -S . -B build -G Ninja >/dev/null
  cmake --build build --target "$target" >/dev/null
  . scripts/xvfb-session.sh
  BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_STATE_DIR=$work/state \
    BRONTAXE_DATA_DIR= QT_QPA_PLATFORM=xcb \
    "build/bin/$target" "$@"
}
