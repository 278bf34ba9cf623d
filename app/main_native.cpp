// The converter as a command. It takes no arguments but the two every command
// answers, so that asking it for help never converts the clipboard.
#include "driver.h"
#include "version.h"

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

const char* const USAGE =
    "usage: pagewright [--help | --version]\n"
    "Converts the RPG Maker event data on the clipboard into another kind and says\n"
    "what it did. The clipboard is the folder $PAGEWRIGHT_CLIPBOARD_DIR, else\n"
    "$XDG_RUNTIME_DIR/pagewright/clipboard, else /tmp/pagewright-<uid>/clipboard.\n";

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("pagewright %s\n", PAGEWRIGHT_VERSION);
        return 0;
    }
    if (argc > 1) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    // A file-size limit must make the clipboard write fail, which the user is
    // told of, rather than end the process in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    return PAGEWRIGHT::RUNCONVERTER(*PAGEWRIGHT::MAKEPRESENTER());
}
