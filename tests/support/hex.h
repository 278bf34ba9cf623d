#ifndef PAGEWRIGHT_TESTS_HEX_H
#define PAGEWRIGHT_TESTS_HEX_H

#include <cstdio>
#include <sstream>
#include <string>

// "01 0A ff" <-> bytes, so that expectations read like the byte examples.
inline std::string HEX(const std::string& text) {
    std::string bytes;
    std::istringstream words(text);
    std::string word;
    while (words >> word)
        bytes.push_back(static_cast<char>(std::stoul(word, nullptr, 16)));
    return bytes;
}

inline std::string TOHEX(const std::string& bytes) {
    std::string text;
    char word[4];
    for (const char byte : bytes) {
        std::snprintf(word, sizeof word, "%02X", static_cast<unsigned char>(byte));
        if (!text.empty()) text += ' ';
        text += word;
    }
    return text;
}

#endif
