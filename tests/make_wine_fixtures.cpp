// Writes the event data that the Windows end-to-end tests put on the clipboard:
// the rich test tree encoded as each of the six event formats, as
// FOLDER/<format>.bin. The committed files in tests/wine/fixtures come from
//     build/native/tests/make-wine-fixtures tests/wine/fixtures
#include "fixtures.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make-wine-fixtures FOLDER\n", stderr);
        return 2;
    }
    for (const auto& [format, content] : RICHCONTENTS()) {
        const std::string path = std::string(argv[1]) + "/" + std::to_string(format) + ".bin";
        FILE* file = std::fopen(path.c_str(), "wb");
        if (!file || std::fwrite(content.data(), 1, content.size(), file) != content.size() ||
            std::fclose(file) != 0) {
            std::fprintf(stderr, "make-wine-fixtures: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
