#!/usr/bin/env bash
# Runs a command under a fresh Xvfb screen with openbox managing it, then removes both.
# Exits with the command's status.
set -euo pipefail

if (($# == 0)); then
    echo "usage: $0 COMMAND [ARGUMENTS...]" >&2
    exit 2
fi

source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"

command_pid=
cleanup()
{
    if [[ -n $command_pid ]]; then
        kill "$command_pid" 2>/dev/null || true
        wait "$command_pid" 2>/dev/null || true
    fi
    xsession_stop
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

xsession_start || exit 1

# In the background so that a signal to this script runs the cleanup at once.
"$@" <&0 &
command_pid=$!
status=0
wait "$command_pid" || status=$?
command_pid=
exit "$status"
