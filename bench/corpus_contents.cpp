#include "corpus_contents.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace PAGEWRIGHTBENCH {
namespace {

namespace fs = std::filesystem;

std::string FILEBYTES(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

const char* CORPUSFOLDER() {
    const char* folder = std::getenv("PAGEWRIGHT_CORPUS");
    return folder && *folder ? folder : nullptr;
}

std::vector<std::string> CORPUSCONTENTS(const char* folder, std::int32_t format) {
    std::vector<fs::path> paths;
    for (const fs::directory_entry& game : fs::directory_iterator(folder)) {
        const fs::path format_folder = game.path() / std::to_string(format);
        if (!fs::is_directory(format_folder)) continue;
        for (const fs::directory_entry& file : fs::directory_iterator(format_folder)) {
            if (file.path().extension() == ".bin") paths.push_back(file.path());
        }
    }
    std::sort(paths.begin(), paths.end());
    std::vector<std::string> contents;
    contents.reserve(paths.size());
    for (const fs::path& path : paths)
        contents.push_back(FILEBYTES(path));
    return contents;
}

} // namespace PAGEWRIGHTBENCH
