# Sourced by the screenshot scripts that drive one of the window's shot programs
# (tests/app/*_shot.cpp): run_shot_program TARGET ARGS... builds it, opens a virtual X server
# (scripts/xvfb-session.sh) and runs it there on fresh settings with ARGS.
run_shot_program() {
  local target=$1
  shift
  cmake -S . -B build -G Ninja >/dev/null
  cmake --build build --target "$target" >/dev/null
  . scripts/xvfb-session.sh
  BRONTAXE_CONFIG_DIR=$work/config BRONTAXE_DRIVE_C=$work/c BRONTAXE_STATE_DIR=$work/state \
    BRONTAXE_DATA_DIR= QT_QPA_PLATFORM=xcb \
    "build/bin/$target" "$@"
}
