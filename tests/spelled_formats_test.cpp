// The documents and the shell tests that must spell the formats out say what
// the table of formats says.
#include "alternatives.h"
#include "corpus.h"
#include "event_formats.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>

using namespace KESTREL;

namespace {

std::string PROJECTFILE(const std::string& path) {
    return FILEBYTES(std::string(PAGEWRIGHT_SOURCE_DIR) + "/" + path);
}

// Every match of the pattern in the text, its groups joined by "|".
std::vector<std::string> MATCHES(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex expression(pattern);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (!std::regex_match(line, match, expression)) continue;
        std::string groups;
        for (std::size_t i = 1; i < match.size(); ++i)
            groups += (i > 1 ? "|" : "") + match[i].str();
        found.push_back(groups);
    }
    return found;
}

std::string TARGETNAME(const EVENTFORMAT& format) {
    return format.target == CHOSENTARGET ? "what you choose (see below)"
                                         : EVENTFORMATOF(format.target)->name;
}

} // namespace

TEST(SpelledFormats, TheUserGuideListsEveryFormatAndConversion) {
    const std::string guide = PROJECTFILE("docs/USERGUIDE.txt");
    std::vector<std::string> numbers;
    for (const CLIPBOARDCONTENTTYPE format : CLIPBOARDFORMATS)
        numbers.push_back(std::to_string(format) + "|" + FORMATNAME(format));
    EXPECT_EQ(MATCHES(guide, R"( +(\d+)  (\S.*))"), numbers);

    std::map<std::string, std::string> conversions;
    for (const EVENTFORMAT& format : EVENTFORMATS)
        conversions[format.name] = TARGETNAME(format);
    std::map<std::string, std::string> listed;
    for (const std::string& row : MATCHES(guide, R"(  (\S.*?\S)  +(\S.*))")) {
        const std::size_t bar = row.find('|');
        if (row.compare(0, bar, "Copied in the editor") != 0) {
            listed[row.substr(0, bar)] = row.substr(bar + 1);
        }
    }
    EXPECT_EQ(listed, conversions);
}

TEST(SpelledFormats, TheWineTestsExpectTheTablesConversionsAndDialogEntries) {
    std::vector<std::string> fixed;
    for (const EVENTFORMAT& format : EVENTFORMATS) {
        if (format.target == CHOSENTARGET) continue;
        fixed.push_back(std::to_string(format.format) + "|" + std::to_string(format.target) + "|" +
                        format.name + " -> " + EVENTFORMATOF(format.target)->name);
    }
    EXPECT_EQ(
        MATCHES(PROJECTFILE("tests/wine/conversions.sh"), R"((\d+)\) target=(\d+) text='(.*)' ;;)"),
        fixed);

    std::vector<std::string> entries;
    for (int entry = 0; entry < DIALOGENTRIES; ++entry)
        entries.push_back(std::to_string(entry) + "|" + DIALOGTARGET(entry)->name);
    const std::string dialog = PROJECTFILE("tests/wine/commands_dialog.sh");
    EXPECT_EQ(MATCHES(dialog, R"(entry (\d) (.*))"), entries);
    EXPECT_EQ(
        MATCHES(dialog, R"(selection (\d))"),
        std::vector<std::string>{std::to_string(EVENTFORMATOF(DEFAULTDIALOGTARGET)->dialog_entry)});
}

TEST(SpelledFormats, TheJsonFormNamesTheEventFormats) {
    const std::string numbers = ALTERNATIVES(
        EVENTFORMATNUMBERS, [](CLIPBOARDCONTENTTYPE format) { return std::to_string(format); });
    std::string form = PROJECTFILE("docs/event-json.md");
    for (char& c : form) {
        if (c == '\n') c = ' ';
    }
    EXPECT_NE(form.find("(" + numbers + ")"), std::string::npos) << numbers;
}
