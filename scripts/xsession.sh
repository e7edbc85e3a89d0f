# shellcheck shell=bash
# Sourced by run.sh and xvfb-test.sh: a private Xvfb screen with openbox as window manager.
# The caller installs a trap that calls xsession_stop on every exit path.

XSESSION_SCREEN=1280x1024x24
XSESSION_TIMEOUT=10

# wait_for SECONDS PID COMMAND...: polls COMMAND every 0.1 s until it succeeds. Fails when the
# seconds have passed or when process PID has ended, since then the awaited state can never come.
wait_for()
{
    local deadline=$((SECONDS + $1)) pid=$2
    shift 2
    until "$@" >/dev/null 2>&1; do
        if ((SECONDS >= deadline)) || has_ended "$pid"; then
            return 1
        fi
        sleep 0.1
    done
}

has_ended()
{
    ! kill -0 "$1" 2>/dev/null
}

_xsession_fail()
{
    echo "xsession: $1" >&2
    if [[ -s $XSESSION_DIR/log ]]; then
        sed 's/^/xsession: | /' "$XSESSION_DIR/log" >&2
    fi
    return 1
}

# Starts Xvfb on the first free display (the server picks it itself, so parallel runs do not race),
# then openbox, and returns once both answer. Exports DISPLAY for everything started afterwards.
xsession_start()
{
    XSESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/xsession.XXXXXX") || return 1
    local display_file=$XSESSION_DIR/display log=$XSESSION_DIR/log

    # -noreset: a server that resets when its last client leaves refuses connections meanwhile.
    Xvfb -displayfd 3 -screen 0 "$XSESSION_SCREEN" -nolisten tcp -noreset 3>"$display_file" >>"$log" 2>&1 &
    XSESSION_XVFB_PID=$!
    if ! wait_for "$XSESSION_TIMEOUT" "$XSESSION_XVFB_PID" test -s "$display_file"; then
        _xsession_fail "Xvfb did not start"
        return 1
    fi
    DISPLAY=":$(<"$display_file")"
    export DISPLAY
    # Windows must reach this server through xcb, whatever the caller's environment prefers.
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    # Qt warns on every start without a runtime folder; the session's own folder is private (0700).
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$XSESSION_DIR}
    if ! wait_for "$XSESSION_TIMEOUT" "$XSESSION_XVFB_PID" xdotool getmouselocation; then
        _xsession_fail "Xvfb on $DISPLAY does not answer"
        return 1
    fi

    openbox --sm-disable >>"$log" 2>&1 &
    XSESSION_OPENBOX_PID=$!
    # openbox announces its desktops on the root window once it manages the screen.
    if ! wait_for "$XSESSION_TIMEOUT" "$XSESSION_OPENBOX_PID" xdotool get_num_desktops; then
        _xsession_fail "openbox did not take over $DISPLAY"
        return 1
    fi
}

xsession_stop()
{
    local pid
    for pid in ${XSESSION_OPENBOX_PID:-} ${XSESSION_XVFB_PID:-}; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    XSESSION_OPENBOX_PID=
    XSESSION_XVFB_PID=
    if [[ -n ${XSESSION_DIR:-} ]]; then
        rm -rf "$XSESSION_DIR"
        XSESSION_DIR=
    fi
}

# The program started under the session; the cleanup ends it before the session.
XSESSION_CHILD_PID=

xsession_cleanup()
{
    if [[ -n $XSESSION_CHILD_PID ]]; then
        kill "$XSESSION_CHILD_PID" 2>/dev/null || true
        wait "$XSESSION_CHILD_PID" 2>/dev/null || true
    fi
    xsession_stop
}

# Every way out of the calling script ends the child and the session.
xsession_cleanup_on_exit()
{
    trap xsession_cleanup EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 143' TERM
}
