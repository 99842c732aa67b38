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
  # The first Wine program starts Wine's helper processes, which outlive it
  # and inherit its standard output. Started here, they hold nothing open;
  # started by a test, they would keep CTest waiting for that test's output
  # until its timeout.
  wine cmd /c exit >/dev/null 2>&1 || true
}

stop_wine_display() {
  wineserver -k 2>/dev/null || true
  if [[ -n "${vexmoor_xvfb_pid:-}" ]]; then
    kill "$vexmoor_xvfb_pid" 2>/dev/null || true
    wait "$vexmoor_xvfb_pid" 2>/dev/null || true
  fi
}
