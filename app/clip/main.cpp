// pagewright-clip: event data between the clipboard and files, and a look at
// what is on the clipboard.
#include "commands.h"

#include <csignal>

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file-size limit must make a write fail with a message rather than end
    // the process in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    return PAGEWRIGHT::RUNCOMMANDLINE(argc - 1, argv + 1);
}
