// Writes the event data that the Windows end-to-end tests put on the clipboard:
// the rich test tree encoded as each of the six event formats, as
// FOLDER/<format>.bin; and a game made of them, with its map tree, as
// FOLDER/game. The committed files in tests/wine/fixtures come from
//     build/native/tests/make-wine-fixtures tests/wine/fixtures
#include "game_fixtures.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

bool WRITEFIXTURE(const std::string& path, const std::string& content) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(content.data(), 1, content.size(), file) != content.size() ||
        std::fclose(file) != 0) {
        std::fprintf(stderr, "make-wine-fixtures: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make-wine-fixtures FOLDER\n", stderr);
        return 2;
    }
    const std::string folder = argv[1];
    for (const auto& [format, content] : RICHCONTENTS()) {
        if (!WRITEFIXTURE(folder + "/" + std::to_string(format) + ".bin", content)) return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(folder + "/game", error);
    if (!WRITEFIXTURE(folder + "/game/" + PAGEWRIGHT::DATABASEFILENAME, SAMPLEDATABASE()) ||
        !WRITEFIXTURE(folder + "/game/Map0001.lmu", SAMPLEMAPFILE()) ||
        !WRITEFIXTURE(folder + "/game/" + PAGEWRIGHT::MAPTREEFILENAME, SAMPLEMAPTREE())) {
        return 1;
    }
    return 0;
}
