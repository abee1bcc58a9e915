# Sourced by the scripts: starts a private Xvfb and exports DISPLAY for it.
# The server is stopped when the calling shell exits.
start_xvfb() {
    local display_number=${BRENNWICK_XVFB_DISPLAY:-97}
    while [[ -e /tmp/.X11-unix/X$display_number || -e /tmp/.X$display_number-lock ]]; do
        display_number=$((display_number + 1))
    done
    Xvfb ":$display_number" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    BRENNWICK_XVFB_PID=$!
    trap 'kill $BRENNWICK_XVFB_PID 2>/dev/null || true' EXIT
    export DISPLAY=":$display_number"
    for _ in $(seq 1 100); do
        if xdpyinfo >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}
