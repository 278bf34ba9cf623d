#include "nearest_form.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace PAGEWRIGHT {
namespace {

// A line's words past these say nothing more of which form it meant, and
// keep the comparison short however long the line.
constexpr std::size_t MOSTWORDS = 64;
constexpr std::size_t MOSTNUMBERS = 32;

bool WORDCHARACTER(char character) {
    return (character >= '0' && character <= '9') || (character >= 'A' && character <= 'Z') ||
           (character >= 'a' && character <= 'z') || static_cast<unsigned char>(character) >= 0x80;
}

// Runs of letters and digits, and each other character but a space.
std::vector<std::string_view> WORDSOF(std::string_view line) {
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < line.size() && words.size() < MOSTWORDS;) {
        if (line[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t end = at + 1;
        if (WORDCHARACTER(line[at])) {
            while (end < line.size() && WORDCHARACTER(line[end]))
                ++end;
        }
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

// The runs of digits of the line, in order, as numbers as far as they fit 32
// bits; a sign is left to the form's words.
std::vector<std::int32_t> NUMBERSOF(std::string_view line) {
    std::vector<std::int32_t> numbers;
    for (std::size_t at = 0; at < line.size() && numbers.size() < MOSTNUMBERS;) {
        if (line[at] < '0' || line[at] > '9') {
            ++at;
            continue;
        }
        std::int64_t value = 0;
        for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at) {
            value = std::min<std::int64_t>(value * 10 + (line[at] - '0'),
                                           std::numeric_limits<std::int32_t>::max());
        }
        numbers.push_back(static_cast<std::int32_t>(value));
    }
    return numbers;
}

std::size_t EDITS(const std::vector<std::string_view>& from,
                  const std::vector<std::string_view>& to) {
    std::vector<std::size_t> row(to.size() + 1);
    for (std::size_t j = 0; j <= to.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= from.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= to.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min(
                {above + 1, row[j - 1] + 1, diagonal + (from[i - 1] == to[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[to.size()];
}

// The line the form writes for the sample, where it reads back to it.
std::optional<std::string> SAMPLELINE(const COMMANDFORM& form, const COMMANDVALUE& sample,
                                      const CODEPAGE& codepage) {
    const LINESETTINGS settings{codepage, nullptr, false, 0};
    std::optional<std::string> line = form.pattern.WRITE(sample, settings, false);
    if (!line) return std::nullopt;
    CURSOR cursor(*line, codepage);
    COMMANDVALUE back;
    if (!form.pattern.READ(cursor, 0, back) || back.parameters != sample.parameters ||
        back.text != sample.text) {
        return std::nullopt;
    }
    return line;
}

} // namespace

std::optional<std::string> NEARESTLINE(std::string_view text,
                                       const std::vector<const COMMANDFORM*>& forms,
                                       const CODEPAGE& codepage) {
    const std::vector<std::string_view> words = WORDSOF(text);
    const std::vector<std::int32_t> numbers = NUMBERSOF(text);
    std::optional<std::string> nearest;
    std::size_t fewest = std::numeric_limits<std::size_t>::max();
    for (const COMMANDFORM* form : forms) {
        // The line's own numbers, else the samples' own where they do not fit.
        for (const std::vector<std::int32_t>& filling : {numbers, std::vector<std::int32_t>{}}) {
            bool written = false;
            for (const COMMANDVALUE& sample : form->pattern.SAMPLES(filling)) {
                const std::optional<std::string> line = SAMPLELINE(*form, sample, codepage);
                if (!line) continue;
                written = true;
                const std::size_t edits = EDITS(words, WORDSOF(*line));
                if (edits < fewest) {
                    fewest = edits;
                    nearest = line;
                }
            }
            if (written) break;
        }
    }
    return nearest;
}

} // namespace PAGEWRIGHT
