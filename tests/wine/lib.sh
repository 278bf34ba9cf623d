# Sourced by the end-to-end cases: runs the converter and the helper inside the
# test run's Wine session and checks what they did. `begin_case NAME` first;
# each case keeps its logs and clipboard snapshots in cases/NAME/ of the build.
#
# Wine's output only ever goes to files, never through a pipe: its helper
# processes inherit the handles and would keep a pipe open.
set -euo pipefail

: "${PAGEWRIGHT_WINE_SESSION:?}" "${PAGEWRIGHT_WINE_OUTPUT:?}" "${PAGEWRIGHT_EXE:?}"
: "${WINETOOL_EXE:?}" "${PAGEWRIGHT_FIXTURES:?}"

if [ ! -f "$PAGEWRIGHT_WINE_SESSION/env" ]; then
    echo "No Wine session: the test wine${PAGEWRIGHT_WINE_BITS:?}.session.start makes it." >&2
    exit 1
fi
# shellcheck source=/dev/null
source "$PAGEWRIGHT_WINE_SESSION/env"

# The session's Wine, that of the build's processor.
wine() {
    "${PAGEWRIGHT_WINE_LOADER:?}" "$@"
}

NODATA_FIRST_LINE="Pagewright v${PAGEWRIGHT_VERSION:?}"
NODATA_LAST_LINE='There is no supported RPG Maker event data in clipboard!'
WRITE_FAILED='Could not write to the clipboard. Nothing was converted.'
READ_FAILED='Could not read the clipboard. Nothing was converted.'

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# wait_for FILE: true once FILE is there, within 10 seconds.
wait_for() {
    for _ in $(seq 200); do
        [ -e "$1" ] && return 0
        sleep 0.05
    done
    return 1
}

begin_case() {
    case_dir=$PAGEWRIGHT_WINE_OUTPUT/cases/$1
    rm -rf "$case_dir"
    mkdir -p "$case_dir"
}

# winetool.exe ARGUMENTS..., its output in $case_dir/winetool.out with Unix
# line ends. The tool says why whenever it fails, so a put or save of the
# clipboard that fails without a word died in Wine's loader before the tool
# ran, as one start did on a loaded machine; those two only set up or read the
# clipboard and are tried again.
winetool() {
    local rc attempt
    for attempt in 1 2 3; do
        rc=0
        wine "$WINETOOL_EXE" "$@" >"$case_dir/winetool.out" 2>"$case_dir/winetool.err" || rc=$?
        [ "$rc" -ne 0 ] && [ ! -s "$case_dir/winetool.err" ] || break
        [ "$1" = put ] || [ "$1" = save ] || break
        echo "winetool $1 exited with $rc without a word (attempt $attempt)" \
            >>"$case_dir/winetool.retries"
    done
    sed -i 's/\r$//' "$case_dir/winetool.out"
    [ "$rc" -eq 0 ] || echo "winetool exited with $rc" >>"$case_dir/winetool.err"
    return $rc
}

# put_clipboard [FORMAT FILE]...: the clipboard then holds exactly these blocks.
put_clipboard() {
    local pairs=()
    while [ $# -gt 0 ]; do
        pairs+=("$1" "Z:$2")
        shift 2
    done
    winetool put "${pairs[@]}" || fail "cannot set up the clipboard: $(cat "$case_dir/winetool.err")"
}

# snapshot NAME: every format on the clipboard as $case_dir/NAME/<format>.
snapshot() {
    winetool save "Z:$case_dir/$1" || fail "cannot read the clipboard: $(cat "$case_dir/winetool.err")"
}

formats_of() {
    local formats
    formats=$(find "$case_dir/$1" -type f -printf '%f\n' | sort -n | tr '\n' ' ')
    echo "${formats% }"
}

expect_formats() {
    local found
    found=$(formats_of "$1")
    [ "$found" = "$2" ] || fail "clipboard ($1) holds formats '$found', expected '$2'"
}

expect_unchanged() {
    diff -r "$case_dir/before" "$case_dir/after" >"$case_dir/clipboard.diff" ||
        fail "the clipboard changed: $(cat "$case_dir/clipboard.diff")"
}

pagewright_windows() {
    xdotool search --onlyvisible --name '^Pagewright$' 2>/dev/null | sort || true
}

# start_converter [CHANNELS]: starts pagewright.exe in the background, with
# message box texts, and whatever Wine's debug CHANNELS add (",trace+clipboard"),
# traced to its standard error. A case that ends early takes the converter
# with it.
start_converter() {
    known_windows=$(pagewright_windows)
    rm -f "$case_dir/converter.rc"
    (
        WINEDEBUG=-all,trace+msgbox${1:-} wine "$PAGEWRIGHT_EXE" \
            >"$case_dir/converter.out" 2>"$case_dir/converter.err" &
        echo $! >"$case_dir/converter.pid"
        rc=0
        wait $! || rc=$?
        echo "$rc" >"$case_dir/converter.rc"
    ) >/dev/null 2>&1 &
    trap end_converter EXIT
}

end_converter() {
    if converter_running && [ -s "$case_dir/converter.pid" ]; then
        kill "$(cat "$case_dir/converter.pid")" 2>/dev/null || true
    fi
}

# Sets WINDOW to the next Pagewright window that was not there before. The
# dialog and the message boxes share the caption, so windows are told apart by
# their ids.
wait_new_window() {
    for _ in $(seq 400); do
        for id in $(pagewright_windows); do
            if ! grep -qx "$id" <<<"$known_windows"; then
                WINDOW=$id
                known_windows+=$'\n'$id
                return 0
            fi
        done
        [ -e "$case_dir/converter.rc" ] && fail "the converter ended without showing a window"
        sleep 0.05
    done
    fail "no new Pagewright window within 20 seconds"
}

window_exists() {
    grep -qx "$1" <<<"$(pagewright_windows)"
}

# Types keys into WINDOW as real input. (Keys sent to the window itself would
# lose their release when the first press closes it, and Wine would then take
# the key as held and close the next box at once.)
press() {
    if [ "$(xdotool getwindowfocus 2>/dev/null)" != "$WINDOW" ]; then
        xdotool windowfocus "$WINDOW"
    fi
    xdotool key "$@"
}

screenshot() {
    mkdir -p "$PAGEWRIGHT_WINE_OUTPUT/screenshots"
    sleep 0.3 # let the window finish painting
    import -window root "$PAGEWRIGHT_WINE_OUTPUT/screenshots/$1.png"
}

converter_running() {
    [ ! -e "$case_dir/converter.rc" ]
}

wait_converter_exit() {
    for _ in $(seq 400); do
        converter_running || break
        sleep 0.05
    done
    converter_running && fail "the converter did not end"
    [ "$(cat "$case_dir/converter.rc")" = 0 ] ||
        fail "the converter's exit code was $(cat "$case_dir/converter.rc")"
    return 0
}

# The texts of the message boxes shown, one a line, with CR LF as \r\n.
messages() {
    sed -n 's/^.*trace:msgbox:MSGBOX_OnInit L"\(.*\)"$/\1/p' "$case_dir/converter.err"
}

expect_message() {
    local shown
    shown=$(messages)
    [ "$shown" = "$1" ] || fail "message box said '$shown', expected '$1'"
}

expect_no_message() {
    local shown
    shown=$(messages)
    [ -z "$shown" ] || fail "a message box appeared: '$shown'"
    [ -z "$(pagewright_windows)" ] || fail "a Pagewright window is still there"
}

expect_nodata_message() {
    local shown
    shown=$(messages)
    local breaks=${shown//[!\\]/}
    [ "${shown%%\\r\\n*}" = "$NODATA_FIRST_LINE" ] &&
        [ "${shown##*\\r\\n}" = "$NODATA_LAST_LINE" ] &&
        [ "${#breaks}" = 8 ] ||
        fail "message box said '$shown', expected the five-line no-data message"
}

# Answers the open window with Return and waits for the converter to end.
confirm_and_finish() {
    press Return
    wait_converter_exit
}
