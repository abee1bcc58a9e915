# Sourced by the scripts: starts a private Xvfb and exports DISPLAY for it.
# The server is stopped when the calling shell exits.

# Starts an Xvfb on a display number the server picks itself, so that runs
# side by side never share one, and returns once it accepts connections.
# Sets xvfb_display (":N") and xvfb_pid.
launch_xvfb() {
    local ready number=
    ready=$(mktemp -u)
    mkfifo "$ready"
    # -displayfd: the server writes its number there when it is ready.
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r -t 120 number <"$ready" || true
    rm -f "$ready"
    if [[ -z $number ]]; then
        kill "$xvfb_pid" 2>/dev/null
        echo "Xvfb did not start" >&2
        return 1
    fi
    xvfb_display=":$number"
}

start_xvfb() {
    launch_xvfb || return 1
    BRENNWICK_XVFB_PID=$xvfb_pid
    trap 'kill $BRENNWICK_XVFB_PID 2>/dev/null || true' EXIT
    export DISPLAY=$xvfb_display
}
