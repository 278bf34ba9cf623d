// The documents and the shell tests that must spell the formats out say what
// the tables of formats and conversions say.
#include "alternatives.h"
#include "conversions.h"
#include "corpus.h"
#include "event_formats.h"
#include "format_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

std::vector<std::string> PROJECTLINES(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream stream(FILEBYTES(std::string(PAGEWRIGHT_SOURCE_DIR) + "/" + path));
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// The line's columns: its words in runs separated by two spaces or more.
std::vector<std::string> COLUMNS(const std::string& line) {
    std::vector<std::string> columns;
    for (std::size_t at = line.find_first_not_of(' '); at != std::string::npos;
         at = line.find_first_not_of(' ', at)) {
        const std::size_t end = std::min(line.find("  ", at), line.size());
        columns.push_back(line.substr(at, end - at));
        at = end;
    }
    return columns;
}

// What lies between `before` and the next `after` in the line, or nothing.
std::string BETWEEN(const std::string& line, const std::string& before, const std::string& after) {
    const std::size_t start = line.find(before);
    if (start == std::string::npos) return {};
    const std::size_t end = line.find(after, start + before.size());
    if (end == std::string::npos) return {};
    return line.substr(start + before.size(), end - start - before.size());
}

std::string TARGETNAME(const CONVERSION& conversion) {
    return conversion.target == CHOSENTARGET ? "what you choose (see below)"
                                             : FORMATNAME(conversion.target);
}

bool NUMBER(const std::string& word) {
    return !word.empty() && word.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

// Its table of format numbers, and its table of conversions, whose rows start
// after two spaces.
TEST(SpelledFormats, TheUserGuideListsEveryFormatAndConversion) {
    std::map<std::string, std::string> numbers;
    for (const CLIPBOARDCONTENTTYPE format : CLIPBOARDFORMATS)
        numbers[std::to_string(format)] = FORMATNAME(format);
    std::map<std::string, std::string> conversions;
    for (const CONVERSION& conversion : CONVERSIONS)
        conversions[FORMATNAME(conversion.format)] = TARGETNAME(conversion);

    std::map<std::string, std::string> numbered;
    std::map<std::string, std::string> converted;
    for (const std::string& line : PROJECTLINES("docs/USERGUIDE.txt")) {
        const std::vector<std::string> columns = COLUMNS(line);
        if (columns.size() != 2) continue;
        if (NUMBER(columns[0])) {
            numbered[columns[0]] = columns[1];
        } else if (line.find_first_not_of(' ') == 2 && columns[0] != "Copied in the editor") {
            converted[columns[0]] = columns[1];
        }
    }
    EXPECT_EQ(numbered, numbers);
    EXPECT_EQ(converted, conversions);
}

TEST(SpelledFormats, TheWineTestsExpectTheTablesConversionsAndDialogEntries) {
    std::vector<std::string> fixed;
    for (const CONVERSION& conversion : CONVERSIONS) {
        if (conversion.target == CHOSENTARGET) continue;
        fixed.push_back(std::to_string(conversion.format) + " " +
                        std::to_string(conversion.target) + " " + FORMATNAME(conversion.format) +
                        " -> " + FORMATNAME(conversion.target));
    }
    std::vector<std::string> expected;
    for (const std::string& line : PROJECTLINES("tests/wine/conversions.sh")) {
        const std::string target = BETWEEN(line, ") target=", " ");
        if (!target.empty()) {
            expected.push_back(line.substr(0, line.find(')')) + " " + target + " " +
                               BETWEEN(line, "text='", "'"));
        }
    }
    EXPECT_EQ(expected, fixed);

    std::vector<std::string> entries;
    for (int entry = 0; entry < DIALOGENTRIES; ++entry)
        entries.push_back("entry " + std::to_string(entry) + " " +
                          FORMATNAME(DIALOGTARGET(entry)->format));
    entries.push_back("selection " +
                      std::to_string(CONVERSIONOF(DEFAULTDIALOGTARGET)->dialog_entry));
    std::vector<std::string> shown;
    for (const std::string& line : PROJECTLINES("tests/wine/commands_dialog.sh")) {
        if (line.rfind("entry ", 0) == 0 || line.rfind("selection ", 0) == 0) {
            shown.push_back(line);
        }
    }
    std::sort(entries.begin(), entries.end());
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, entries);
}

TEST(SpelledFormats, TheJsonFormNamesTheEventFormats) {
    const std::string numbers = ALTERNATIVES(
        EVENTFORMATNUMBERS, [](CLIPBOARDCONTENTTYPE format) { return std::to_string(format); });
    std::string form;
    for (const std::string& line : PROJECTLINES("docs/event-json.md"))
        form += line + ' ';
    EXPECT_NE(form.find("(" + numbers + ")"), std::string::npos) << numbers;
}
