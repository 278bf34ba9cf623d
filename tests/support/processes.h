// Another program run as a user runs it.
#ifndef PAGEWRIGHT_TESTS_PROCESSES_H
#define PAGEWRIGHT_TESTS_PROCESSES_H

#include <cstdio>
#include <string>

// What the command line writes on standard output, and with `errors` on
// standard error too, and its exit code.
inline std::string OUTPUTOFCOMMAND(const std::string& command, int& exit_code,
                                   bool errors = false) {
    FILE* output = popen((command + (errors ? " 2>&1" : "")).c_str(), "r");
    std::string text;
    char block[65536];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, output)) > 0;)
        text.append(block, got);
    exit_code = pclose(output);
    return text;
}

#endif
