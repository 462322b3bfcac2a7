#!/usr/bin/env bash
# Runs one command on a virtual X display with a window manager of its own,
# for a test that needs real native windows, and ends with its status.
#
# usage: under-x.sh COMMAND [ARGUMENT...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
need Xvfb openbox xprop
start_x >/dev/null
QT_QPA_PLATFORM=xcb "$@"
