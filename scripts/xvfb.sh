# Sourced by the scripts that need a display of their own: starts Xvfb on a
# free display number, exports DISPLAY and stops it when the script exits.
pelonix_start_xvfb() {
    local d
    for d in $(seq 90 130); do
        [ -e "/tmp/.X$d-lock" ] || [ -e "/tmp/.X11-unix/X$d" ] && continue
        Xvfb ":$d" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        PELONIX_XVFB_PID=$!
        local i
        for i in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X$d" ] && break
            sleep 0.1
        done
        if [ -e "/tmp/.X11-unix/X$d" ]; then
            export DISPLAY=":$d"
            trap 'kill $PELONIX_XVFB_PID 2>/dev/null' EXIT
            return 0
        fi
        kill $PELONIX_XVFB_PID 2>/dev/null
    done
    echo "Could not start Xvfb" >&2
    return 1
}
