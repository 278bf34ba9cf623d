#include "winetool.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace WINETOOL {

bool LOADFILE(const std::string& path, std::string& bytes) {
    std::ifstream file(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return file.is_open() && !file.bad();
}

bool WRITEFILE(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file.flush());
}

int FAIL(const std::string& message) {
    std::fprintf(stderr, "winetool: %s\n", message.c_str());
    return 1;
}

} // namespace WINETOOL

int main(int argc, char** argv) {
    using namespace WINETOOL;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "save" && argc == 3) return SAVECLIPBOARD(argv[2]);
    if (command == "put" && argc % 2 == 0) return PUTCLIPBOARD(argc - 2, argv + 2);
    if (command == "hold" && argc == 4) return HOLDCLIPBOARD(argv[2], argv[3]);
    if (command == "lock" && (argc == 5 || (argc == 6 && std::string(argv[5]) == "read"))) {
        return LOCKFILE(argv[2], static_cast<DWORD>(std::atol(argv[3])), argv[4], argc == 6);
    }
    if (command == "dialog" && argc >= 3) return DIALOGCOMMAND(argc - 2, argv + 2);
    if (command == "batch" && argc == 5) return BATCH(argv[2], argv[3], argv[4]);
    if (command == "resources" && argc == 4) return CHECKRESOURCES(argv[2], argv[3]);
    std::fputs("usage: winetool save FOLDER | put [FORMAT FILE]... | hold READYFILE RELEASEFILE\n"
               "       | lock FILE MILLISECONDS READYFILE [read]\n"
               "       | dialog state|close|point ENTRY | batch PROGRAM LIST FOLDER\n"
               "       | resources PROGRAM TOOL\n",
               stderr);
    return 2;
}
