#!/bin/sh
# manual-help.sh PROGRAM OPTION...: what help2man reads to make PROGRAM's manual page. PROGRAM's
# output for OPTION, with the usage line naming the program alone, and without what describes the
# machine it runs on (the folders in use and the CAN adapters found), which the manual page gives
# in general terms instead.
program=$1
shift
"$program" "$@" | sed -e 's|^Usage: .*/|Usage: |' -e '/^Folders in use:$/,$d' -e '/^CAN adapters (--can/,$d'
