# Sourced by the native end-to-end scripts, after they set `programs`: a
# private clipboard folder in a working folder that goes when the script
# ends, the clipboard tool, and failing with what the last command said
# (the file $work/said).
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PAGEWRIGHT_CLIPBOARD_DIR=$work/clipboard
unset PAGEWRIGHT_CODEPAGE

clip() { "$programs/pagewright-clip" "$@"; }
fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/said" ] && sed 's/^/  | /' "$work/said" >&2
    exit 1
}
same() { cmp -s "$1" "$2" || fail "$3"; }
# refused MESSAGE COMMAND...: one line, "pagewright-clip: MESSAGE", exit code 1,
# and the folder $kept as its copy $kept_copy holds it.
refused() {
    local expected=$1 rc=0
    shift
    clip "$@" >/dev/null 2>"$work/said" || rc=$?
    [ "$rc" = 1 ] || fail "$*: exit code $rc"
    [ "$(wc -l <"$work/said")" = 1 ] || fail "$*: not one line"
    grep -qF "pagewright-clip: $expected" "$work/said" || fail "$*: '$expected' not said"
    diff -r "$kept_copy" "$kept" >/dev/null || fail "$*: $kept changed"
}
