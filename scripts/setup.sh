# Sourced by the other scripts: installs with apt-get whatever Debian packages
# of the given list are missing. Needs root on a fresh machine.
pagewright_install() {
    local missing=()
    for package in "$@"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
        ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# The demo's needs: a build of the two programs. nlohmann-json3-dev is the
# JSON library of both builds; configuring needs GoogleTest.
PAGEWRIGHT_DEMO_PACKAGES=(cmake ninja-build g++ libgtest-dev libgmock-dev nlohmann-json3-dev)
# The tests': python3-jsonschema checks exports against docs/event.schema.json,
# pkgconf builds the example against the installed library, ccache keeps
# compiled objects for the next run, git and perl try the listing as a diff
# driver, and gettext's programs check the PO files written and merge some to
# read. clang is held at one version, 14, and the scripts call its commands
# by that version's names (clang-format-14, clang++-14): the formatter's output
# and the fuzzer's runtime change between versions, so they move together
# and only when this list does.
PAGEWRIGHT_BUILD_PACKAGES=("${PAGEWRIGHT_DEMO_PACKAGES[@]}" pkgconf python3-jsonschema
    clang-format-14 ccache git perl gettext)
PAGEWRIGHT_BENCH_PACKAGES=(libbenchmark-dev hyperfine jq)
PAGEWRIGHT_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)

# The Windows builds and their tests under Wine: the 32-bit and 64-bit
# MinGW-w64 compilers, the 64-bit Wine and the 32-bit one (which some machines
# cannot run: their tests then run the 64-bit build alone) with Wine's own
# fonts (the dialogs' typeface), a virtual X display, input and screenshots.
PAGEWRIGHT_WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64
    wine32:i386 fonts-wine xvfb xdotool imagemagick)
