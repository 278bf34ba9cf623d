// Names and texts of the event data are bytes in the game's code page; the
// JSON form holds them as Unicode. This converts between the two, strictly:
// bytes or characters that the code page has no place for are a failure, never
// replaced. iconv does the work natively, the system's own tables on Windows.
#ifndef PAGEWRIGHT_EVENTTEXT_CODEPAGE_H
#define PAGEWRIGHT_EVENTTEXT_CODEPAGE_H

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace PAGEWRIGHT {

// The code pages accepted: Windows' ANSI code pages, which both platforms'
// tables know.
constexpr std::uint32_t CODEPAGES[] = {874,  932,  936,  949,  950,  1250, 1251,
                                       1252, 1253, 1254, 1255, 1256, 1257, 1258};

inline bool LISTEDCODEPAGE(std::uint32_t number) {
    for (const std::uint32_t listed : CODEPAGES) {
        if (listed == number) return true;
    }
    return false;
}

class CODEPAGE {
public:
    // Null for a number outside CODEPAGES, or one the system cannot convert.
    static std::unique_ptr<CODEPAGE> OPEN(std::uint32_t number);
    ~CODEPAGE();
    CODEPAGE(const CODEPAGE&) = delete;
    CODEPAGE& operator=(const CODEPAGE&) = delete;

    std::uint32_t NUMBER() const { return number_; }

    // The bytes as UTF-8; false when they are not text of the code page.
    bool TOUTF8(std::string_view bytes, std::string& text) const;
    // UTF-8 text as bytes of the code page; false when a character has no
    // place in it.
    bool FROMUTF8(std::string_view text, std::string& bytes) const;

private:
    struct TABLES;
    CODEPAGE(std::uint32_t number, std::unique_ptr<TABLES> tables);
    std::uint32_t number_;
    std::unique_ptr<TABLES> tables_;
};

// The code page used when none is given: the system's ANSI code page on
// Windows, 1252 elsewhere.
std::uint32_t SYSTEMCODEPAGE();

} // namespace PAGEWRIGHT

#endif
