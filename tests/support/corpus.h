// The folder of real clipboard contents named by PAGEWRIGHT_CORPUS:
// <game>/<format>/<name>.bin, with a MANIFEST.tsv per game.
#ifndef PAGEWRIGHT_TESTS_CORPUS_H
#define PAGEWRIGHT_TESTS_CORPUS_H

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

struct CORPUSFILE {
    int format;
    std::filesystem::path path;
    int pages;
    long commands;
    // Where in the game's files it comes from, as the manifest says it.
    std::string source;
};

// The games of PAGEWRIGHT_GAMES, each with the code page its texts are in.
inline constexpr std::pair<const char*, std::uint32_t> GAMECODEPAGES[] = {
    {"interpretertestgame", 932}, {"testgame-2003", 932},  {"testgame-maniac", 932},
    {"saintseiya2k", 1252},       {"testgame-2000", 1252},
};

// The folder the environment variable names, or null.
inline const char* FOLDERNAMEDBY(const char* variable) {
    const char* folder = std::getenv(variable);
    return folder && *folder ? folder : nullptr;
}

inline const char* CORPUSFOLDER() {
    return FOLDERNAMEDBY("PAGEWRIGHT_CORPUS");
}

// The game files the corpus was cut from, one folder per game, beside it.
inline std::filesystem::path GAMESFOLDER() {
    return std::filesystem::path(CORPUSFOLDER()) / ".." / "games";
}

// Whole games, one folder per game, as PAGEWRIGHT_GAMES names them; null
// when it does not.
inline const char* GIVENGAMESFOLDER() {
    return FOLDERNAMEDBY("PAGEWRIGHT_GAMES");
}

inline std::string FILEBYTES(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Every file of every game's manifest.
inline std::vector<CORPUSFILE> CORPUSFILES() {
    std::vector<CORPUSFILE> files;
    const char* folder = CORPUSFOLDER();
    if (!folder) return files;
    for (const auto& game : std::filesystem::directory_iterator(folder)) {
        std::ifstream manifest(game.path() / "MANIFEST.tsv");
        std::string line;
        std::getline(manifest, line);
        while (std::getline(manifest, line)) {
            std::vector<std::string> columns;
            std::istringstream cells(line);
            for (std::string cell; std::getline(cells, cell, '\t');)
                columns.push_back(cell);
            if (columns.size() < 6) continue;
            files.push_back({std::stoi(columns[0]), game.path() / columns[1], std::stoi(columns[4]),
                             std::stol(columns[5]), columns[2]});
        }
    }
    return files;
}

#endif
