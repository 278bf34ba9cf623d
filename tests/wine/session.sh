#!/usr/bin/env bash
# One Wine session for a whole test run of one build: `session.sh start` makes
# a fresh Wine prefix in a temporary folder, starts a virtual X display and the
# keeper that keeps Wine's desktop (and so the clipboard) alive, and writes what
# the cases need to $PAGEWRIGHT_WINE_SESSION/env. The programs run under the
# Wine loader of the build's PAGEWRIGHT_WINE_BITS, in a 64-bit prefix, which
# holds 32-bit programs too where the machine runs them. `session.sh stop` ends
# all of it; a start that fails half-way ends what it began.
#
# Wine's output always goes to files: its helper processes inherit output
# handles and would hold a pipe open for ever.
set -euo pipefail

session=${PAGEWRIGHT_WINE_SESSION:?}
env_file=$session/env

start() {
    stop
    rm -rf "$session"
    mkdir -p "$session"
    local bits=${PAGEWRIGHT_WINE_BITS:?} loader
    loader=$(bash "$(dirname "$0")/loader.sh" "$bits")
    wine() { "$loader" "$@"; }
    trap 'stop' ERR
    local root
    root=$(mktemp -d "${TMPDIR:-/tmp}/pagewright-wine.XXXXXX")
    export WINEPREFIX=$root/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    cat >"$env_file" <<EOF
export WINEPREFIX='$WINEPREFIX'
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES='$WINEDLLOVERRIDES'
PAGEWRIGHT_WINE_LOADER='$loader'
PAGEWRIGHT_WINE_ROOT='$root'
EOF

    setsid Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp \
        5>"$session/display" >"$session/xvfb.log" 2>&1 </dev/null &
    echo "PAGEWRIGHT_XVFB_PID=$!" >>"$env_file"
    for _ in $(seq 100); do
        [ -s "$session/display" ] && break
        sleep 0.1
    done
    [ -s "$session/display" ] || { echo "Xvfb did not start" >&2 && false; }
    export DISPLAY=":$(cat "$session/display")"
    echo "export DISPLAY='$DISPLAY'" >>"$env_file"

    # The prefix is made with the display in place: Wine's desktop process
    # starts here and would otherwise run without a display driver.
    if ! wine wineboot -i >"$session/wineboot.log" 2>&1; then
        echo "making the Wine prefix failed:" >&2
        cat "$session/wineboot.log" >&2
        false
    fi
    # Without a window manager Wine waits two seconds for every hidden window
    # to be withdrawn; unmanaged windows are hidden at once.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        >"$session/registry.log" 2>&1

    setsid "$loader" "${KEEPER_EXE:?}" "Z:$session/keeper-ready" \
        >"$session/keeper.log" 2>&1 </dev/null &
    for _ in $(seq 300); do
        [ -e "$session/keeper-ready" ] && break
        sleep 0.1
    done
    [ -e "$session/keeper-ready" ] || { echo "the keeper did not start" >&2 && false; }
    trap - ERR
    echo "Wine session of the $bits-bit build: $loader on display $DISPLAY, prefix $WINEPREFIX"
}

stop() {
    [ -f "$env_file" ] || return 0
    local PAGEWRIGHT_XVFB_PID="" PAGEWRIGHT_WINE_ROOT=""
    # shellcheck source=/dev/null
    source "$env_file"
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$PAGEWRIGHT_XVFB_PID" ] && kill "$PAGEWRIGHT_XVFB_PID" 2>/dev/null || true
    [ -n "$PAGEWRIGHT_WINE_ROOT" ] && rm -rf "$PAGEWRIGHT_WINE_ROOT"
    rm -f "$env_file"
}

"$1"
