# Starts what Windows programs need under Wine for a whole session: one
# persistent wineserver and, when no display is set, one Xvfb. Sourced;
# stop_wine_display undoes exactly what start_wine_display started.

start_wine_display() {
  # The display comes first: Wine's desktop, started with the first Wine
  # program, binds to the display it finds then, and without one no window
  # of the session can be made.
  vexmoor_xvfb_pid=""
  if [[ -z "${DISPLAY:-}" ]]; then
    local number=99
    while [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]]; do number=$((number + 1)); done
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    vexmoor_xvfb_pid=$!
    export DISPLAY=":$number"
    for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$number ]] && break; sleep 0.1; done
  fi
  wineserver -p
  # Wine's helper processes outlive the program that starts them and inherit
  # its standard output; started by a test, they would keep CTest waiting for
  # that test's output until its timeout. The desktop process (explorer.exe)
  # also quits a second after its last user and comes back with the next
  # window, so one idle command interpreter, reading a pipe that stays open
  # until stop_wine_display, keeps it here for the whole session.
  local fifo
  fifo="$(mktemp -u)"
  mkfifo "$fifo"
  wine cmd <"$fifo" >/dev/null 2>&1 &
  exec {vexmoor_desktop_keeper}>"$fifo"
  rm -f "$fifo"
  wine cmd /c exit >/dev/null 2>&1 || true
}

stop_wine_display() {
  if [[ -n "${vexmoor_desktop_keeper:-}" ]]; then
    exec {vexmoor_desktop_keeper}>&-
    vexmoor_desktop_keeper=""
  fi
  wineserver -k 2>/dev/null || true
  if [[ -n "${vexmoor_xvfb_pid:-}" ]]; then
    kill "$vexmoor_xvfb_pid" 2>/dev/null || true
    wait "$vexmoor_xvfb_pid" 2>/dev/null || true
  fi
}
