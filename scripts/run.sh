#!/usr/bin/env bash
# Starts cardsetup on the current display. Without one, runs it on a private Xvfb screen,
# lets it save a grab of that screen to build/screenshot.png, and ends it.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
program=build/bin/cardsetup
screenshot=build/screenshot.png
window_title='^Setup$'
run_timeout=30

fail()
{
    echo "run: $1." >&2
    exit 1
}

[[ -x $program ]] || fail "$program is missing; build it first (make build)"

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec "$program"
fi

source scripts/xsession.sh

program_status=
xsession_cleanup_on_exit

reap_program()
{
    program_status=0
    wait "$XSESSION_CHILD_PID" || program_status=$?
    XSESSION_CHILD_PID=
}

# await_window SECONDS STATE [XDOTOOL-OPTION...]: returns once the main window is in that state,
# otherwise fails with the reason, so a program that never shows itself is reported as such.
await_window()
{
    local seconds=$1 state=$2
    shift 2
    wait_for "$seconds" "$XSESSION_CHILD_PID" xdotool search "$@" --name "$window_title" && return
    if has_ended "$XSESSION_CHILD_PID"; then
        reap_program
        fail "cardsetup ended (exit status $program_status) before its window \"Setup\" was $state"
    fi
    fail "the window \"Setup\" was not $state within $seconds s"
}

xsession_start || exit 1

rm -f "$screenshot"
# The program saves the screenshot itself 1.5 s after start-up and quits.
CARDSETUP_SCREENSHOT="$PWD/$screenshot" timeout --kill-after=5 "$run_timeout" "$program" &
XSESSION_CHILD_PID=$!

await_window 20 created
await_window 5 shown --onlyvisible

reap_program
((program_status != 124)) || fail "cardsetup did not finish within $run_timeout s"
((program_status == 0)) || fail "cardsetup failed (exit status $program_status)"
[[ -s $screenshot ]] || fail "cardsetup ended without writing $screenshot"
echo "Screenshot saved to $screenshot"
