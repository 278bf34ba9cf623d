#include "codepage_detection.h"

#include "codepage.h"
#include "frequent_characters.h"

#include <algorithm>
#include <memory>

namespace PAGEWRIGHT {
namespace {

// The pages of two-byte characters, and those of Europe's single bytes with
// the default first. The single-byte pages of other scripts are never found.
constexpr std::uint32_t JAPANESE = 932;
constexpr std::uint32_t SIMPLIFIEDCHINESE = 936;
constexpr std::uint32_t KOREAN = 949;
constexpr std::uint32_t TRADITIONALCHINESE = 950;
constexpr std::uint32_t TWOBYTEPAGES[] = {JAPANESE, SIMPLIFIEDCHINESE, KOREAN, TRADITIONALCHINESE};
constexpr std::uint32_t DEFAULTPAGE = 1252;
constexpr std::uint32_t CYRILLIC = 1251;
constexpr std::uint32_t EUROPEANPAGES[] = {DEFAULTPAGE, 1250, CYRILLIC, 1253, 1254, 1257};

// How much evidence is enough, weighed on real games: a two-byte page's
// telling characters must be a fifth of the characters beyond ASCII, in a
// twentieth of the texts with letters, so that a few leftovers of the
// editor's Japanese database do not make an English game Japanese.
constexpr double TELLINGSHARE = 0.2;
constexpr std::size_t TEXTSPERTELLING = 20;
constexpr double INIREADSHARE = 0.9;
constexpr double LETTERMARGIN = 0.1;
constexpr std::size_t LEASTLETTERS = 10;
constexpr double CYRILLICWORDSHARE = 0.5;
constexpr std::size_t LEASTHIGHWORD = 3;

// Full-width hiragana and katakana, which Shift-JIS writes with lead bytes
// that Big5 never uses, and GBK and Korean text only for rare characters.
constexpr char32_t FIRSTKANA = 0x3040;
constexpr char32_t LASTKANA = 0x30FF;

std::size_t HIGHBYTES(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
        return static_cast<unsigned char>(byte) >= 0x80;
    }));
}

bool ISASCIILETTER(char32_t character) {
    return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z');
}

// Letters of the scripts Europe's pages hold: Latin, Greek and Cyrillic.
bool ISLETTER(char32_t character) {
    if (character < 0x80) return ISASCIILETTER(character);
    if (character == 0xAA || character == 0xB5 || character == 0xBA) return true;
    if (character >= 0xC0 && character <= 0x24F) return character != 0xD7 && character != 0xF7;
    if (character >= 0x386 && character <= 0x3FF) return character != 0x387;
    if (character >= 0x400 && character <= 0x52F) return character < 0x482 || character > 0x489;
    return character >= 0x1E00 && character <= 0x1EFF;
}

bool ISWORDCHARACTER(char32_t character) {
    return ISLETTER(character) || (character >= '0' && character <= '9') || character == '_';
}

// The code points of UTF-8 that CODEPAGE wrote, so valid.
std::u32string CODEPOINTS(std::string_view text) {
    std::u32string points;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length && at + i < text.size(); ++i)
            point = (point << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
        points.push_back(point);
        at += length;
    }
    return points;
}

// The text as the page reads it; nothing when the page does not read it, or
// gives a replacement character, a C1 control (what Windows makes of the
// bytes 1252 leaves unused) or a private-use character (what the user area
// of Shift-JIS, and Big5 read as Shift-JIS, become).
std::optional<std::u32string> CLEANREADING(const CODEPAGE& page, std::string_view bytes) {
    std::string text;
    if (!page.TOUTF8(bytes, text)) return std::nullopt;
    std::u32string points = CODEPOINTS(text);
    for (const char32_t point : points) {
        if (point == 0xFFFD || (point >= 0x80 && point <= 0x9F) ||
            (point >= 0xE000 && point <= 0xF8FF)) {
            return std::nullopt;
        }
    }
    return points;
}

bool TELLS(std::uint32_t page, char32_t character) {
    static const auto sorted = [](std::u32string_view list) {
        std::u32string characters(list);
        std::sort(characters.begin(), characters.end());
        return characters;
    };
    static const std::u32string simplified = sorted(FREQUENTSIMPLIFIED);
    static const std::u32string traditional = sorted(FREQUENTTRADITIONAL);
    static const std::u32string hangul = sorted(FREQUENTHANGUL);
    switch (page) {
    case JAPANESE:
        return character >= FIRSTKANA && character <= LASTKANA;
    case SIMPLIFIEDCHINESE:
        return std::binary_search(simplified.begin(), simplified.end(), character);
    case TRADITIONALCHINESE:
        return std::binary_search(traditional.begin(), traditional.end(), character);
    default:
        return std::binary_search(hangul.begin(), hangul.end(), character);
    }
}

// How strongly the texts beyond ASCII read as a two-byte page: its telling
// characters among all characters beyond ASCII, and the texts that hold one.
// A text the page does not read counts as characters that do not tell.
struct EVIDENCE {
    std::size_t telling = 0;
    std::size_t characters = 0;
    std::size_t texts = 0;
    double SHARE() const { return characters ? double(telling) / double(characters) : 0.0; }
};

EVIDENCE EVIDENCEOF(std::uint32_t number, const std::vector<std::string_view>& high) {
    EVIDENCE evidence;
    const std::unique_ptr<CODEPAGE> page = CODEPAGE::OPEN(number);
    if (!page) return evidence;
    for (const std::string_view text : high) {
        const std::optional<std::u32string> reading = CLEANREADING(*page, text);
        if (!reading) {
            evidence.characters += (HIGHBYTES(text) + 1) / 2;
            continue;
        }
        std::size_t telling = 0;
        for (const char32_t character : *reading) {
            evidence.characters += character >= 0x80;
            telling += TELLS(number, character);
        }
        evidence.telling += telling;
        evidence.texts += telling > 0;
    }
    return evidence;
}

// What a European page makes of the texts: how many characters beyond ASCII
// it reads as letters next to a letter, of all such characters; and how many
// of the words with such characters are made of them alone (Cyrillic words
// have no ASCII letter, words of the Latin alphabet nearly always do).
struct EUROPEANREADING {
    std::uint32_t number = 0;
    std::size_t among_letters = 0;
    std::size_t characters = 0;
    std::size_t words = 0;
    std::size_t high_words = 0;

    double LETTERSHARE() const { return characters ? double(among_letters) / characters : 0.0; }
    double HIGHWORDSHARE() const { return words ? double(high_words) / words : 0.0; }

    void ADD(const std::u32string& reading) {
        for (std::size_t i = 0; i < reading.size(); ++i) {
            if (reading[i] < 0x80) continue;
            ++characters;
            const bool beside = (i > 0 && ISLETTER(reading[i - 1])) ||
                                (i + 1 < reading.size() && ISLETTER(reading[i + 1]));
            among_letters += ISLETTER(reading[i]) && beside;
        }
        for (std::size_t at = 0; at < reading.size();) {
            if (!ISWORDCHARACTER(reading[at])) {
                ++at;
                continue;
            }
            std::size_t end = at;
            std::size_t high = 0;
            for (; end < reading.size() && ISWORDCHARACTER(reading[end]); ++end)
                high += reading[end] >= 0x80;
            words += high > 0;
            high_words += high == end - at && high >= LEASTHIGHWORD;
            at = end;
        }
    }
};

const char* const FOUNDFROMTEXTS = "found from the game's texts";

// Which European page the texts are in, when no two-byte page is theirs: of
// the pages that read every text.
CODEPAGEFINDING EUROPEANPAGE(const std::vector<std::string_view>& texts) {
    std::vector<EUROPEANREADING> full;
    for (const std::uint32_t number : EUROPEANPAGES) {
        const std::unique_ptr<CODEPAGE> page = CODEPAGE::OPEN(number);
        EUROPEANREADING read;
        read.number = number;
        bool reads_all = page != nullptr;
        for (std::size_t i = 0; reads_all && i < texts.size(); ++i) {
            const std::optional<std::u32string> reading = CLEANREADING(*page, texts[i]);
            if (reading) read.ADD(*reading);
            reads_all = reading.has_value();
        }
        if (reads_all) full.push_back(read);
    }
    if (texts.empty() || full.empty()) {
        return {DEFAULTPAGE, "the default; the texts tell nothing else"};
    }
    for (const EUROPEANREADING& read : full) {
        if (read.number == CYRILLIC && read.HIGHWORDSHARE() > CYRILLICWORDSHARE) {
            return {CYRILLIC, FOUNDFROMTEXTS};
        }
    }
    const bool default_reads = full.front().number == DEFAULTPAGE;
    const double base = default_reads ? full.front().LETTERSHARE() : 0.0;
    const EUROPEANREADING* best = nullptr;
    for (const EUROPEANREADING& read : full) {
        const bool clearer =
            read.LETTERSHARE() >= base + LETTERMARGIN && read.among_letters >= LEASTLETTERS;
        if (clearer && (!best || read.LETTERSHARE() > best->LETTERSHARE())) best = &read;
    }
    if (!best && default_reads) return {DEFAULTPAGE, "the default, which reads the game's texts"};
    if (!best) {
        best = &*std::max_element(full.begin(), full.end(), [](const auto& a, const auto& b) {
            return a.LETTERSHARE() < b.LETTERSHARE();
        });
    }
    return {best->number, FOUNDFROMTEXTS};
}

} // namespace

CODEPAGEFINDING DETECTCODEPAGE(const std::vector<std::string_view>& texts,
                               std::optional<std::uint32_t> ini_codepage) {
    std::vector<std::string_view> high;
    std::size_t worded = 0;
    for (const std::string_view text : texts) {
        const bool has_high = HIGHBYTES(text) > 0;
        if (has_high) high.push_back(text);
        worded += has_high || std::any_of(text.begin(), text.end(), [](char byte) {
                      return ISASCIILETTER(static_cast<unsigned char>(byte));
                  });
    }
    const std::unique_ptr<CODEPAGE> ini = ini_codepage ? CODEPAGE::OPEN(*ini_codepage) : nullptr;
    const CODEPAGEFINDING given{ini ? ini->NUMBER() : 0, "given by RPG_RT.ini"};
    if (high.empty()) {
        return ini ? given : CODEPAGEFINDING{DEFAULTPAGE, "the default; the texts are all ASCII"};
    }

    std::uint32_t best = JAPANESE;
    EVIDENCE strongest;
    for (const std::uint32_t page : TWOBYTEPAGES) {
        const EVIDENCE evidence = EVIDENCEOF(page, high);
        if (evidence.SHARE() > strongest.SHARE()) {
            best = page;
            strongest = evidence;
        }
    }
    const bool two_byte =
        strongest.SHARE() >= TELLINGSHARE && strongest.texts * TEXTSPERTELLING >= worded;

    if (ini) {
        const auto reads = static_cast<std::size_t>(
            std::count_if(high.begin(), high.end(), [&](std::string_view text) {
                return CLEANREADING(*ini, text).has_value();
            }));
        if (double(reads) >= INIREADSHARE * double(high.size()) &&
            (!two_byte || ini->NUMBER() == best)) {
            return given;
        }
    }
    const std::string ini_unfit =
        ini_codepage ? "; RPG_RT.ini's " + std::to_string(*ini_codepage) + " does not fit them"
                     : "";
    if (two_byte) return {best, FOUNDFROMTEXTS + ini_unfit};

    // The few texts that read as the two-byte page are left over from the
    // editor's own database, which is Japanese in most editions.
    std::vector<std::string_view> rest;
    const std::unique_ptr<CODEPAGE> leftover_page = CODEPAGE::OPEN(best);
    for (const std::string_view text : high) {
        const std::optional<std::u32string> reading =
            leftover_page ? CLEANREADING(*leftover_page, text) : std::nullopt;
        const bool leftover =
            reading && std::any_of(reading->begin(), reading->end(),
                                   [&](char32_t character) { return TELLS(best, character); });
        if (!leftover) rest.push_back(text);
    }
    CODEPAGEFINDING found = EUROPEANPAGE(rest);
    found.reason += ini_unfit;
    return found;
}

} // namespace PAGEWRIGHT
