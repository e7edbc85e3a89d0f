#!/usr/bin/env bash
# Runs a command under a fresh Xvfb screen with openbox managing it, then removes both.
# Exits with the command's status.
set -euo pipefail

if (($# == 0)); then
    echo "usage: $0 COMMAND [ARGUMENTS...]" >&2
    exit 2
fi

source "$(dirname "${BASH_SOURCE[0]}")/xsession.sh"

xsession_cleanup_on_exit

xsession_start || exit 1

# In the background so that a signal to this script runs the cleanup at once.
"$@" <&0 &
XSESSION_CHILD_PID=$!
status=0
wait "$XSESSION_CHILD_PID" || status=$?
XSESSION_CHILD_PID=
exit "$status"
