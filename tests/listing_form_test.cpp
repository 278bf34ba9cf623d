// The listing: what its lines say, that awkward texts come back, dialogue as
// message boxes, and the faults it refuses or warns of, each with its line.
#include "event_listing.h"
#include "fixtures.h"
#include "json_trees.h"

#include <gtest/gtest.h>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

LISTEDEVENT READ(const std::string& text, std::uint32_t codepage = 1252) {
    return READLISTING(text, OPENCODEPAGE(codepage));
}

std::string LIST(const EVENT* event, CLIPBOARDCONTENTTYPE format = CB_EVENTCOMMANDS,
                 std::uint32_t codepage = 1252) {
    return LISTEVENT(format, *event, OPENCODEPAGE(codepage));
}

// Every encoder writes the tree read back as it writes the original.
void EXPECTROUNDTRIP(CLIPBOARDCONTENTTYPE format, const EVENT* original,
                     std::uint32_t codepage = 1252) {
    const std::string listing = LIST(original, format, codepage);
    const LISTEDEVENT listed = READ(listing, codepage);
    EXPECT_EQ(listed.format, format);
    for (const CLIPBOARDCONTENTTYPE target : EVENTFORMATNUMBERS) {
        EXPECT_EQ(ENCODE(target, listed.tree.get()), ENCODE(target, original))
            << format << " as " << target << " from\n"
            << listing;
    }
}

EVENTTREE COMMANDS(std::initializer_list<std::pair<const char*, int>> texts) {
    EVENTTREE event = EVENTWITHPAGES(1);
    event->pages[0].condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    for (const auto& [text, code] : texts)
        ADDCOMMAND(event->pages[0], code, 0, text, {});
    return event;
}

std::string LINEERROR(const std::string& text) {
    try {
        READ(text);
    } catch (const LISTINGERROR& fault) {
        return fault.what();
    }
    return "no error";
}

} // namespace

TEST(ListingForm, TheRichTreeAndEveryFormatDecodedFromItComeBack) {
    const EVENTTREE built = RICHEVENT();
    EXPECTROUNDTRIP(CB_MAPEVENT, built.get());
    for (const auto& [format, content] : RICHCONTENTS()) {
        const EVENTTREE decoded = DECODE(format, content);
        EXPECTROUNDTRIP(format, decoded.get());
    }
}

TEST(ListingForm, LinesSayTheirCommandsInWords) {
    const LISTEDEVENT listed = READ("<>Message: Welcome, traveller.\n"
                                    "<>Control Switches: [0003:Door open] ON\n"
                                    "<>Wait: 1.0 s\n");
    EXPECT_EQ(listed.format, CB_EVENTCOMMANDS);
    const EVENTTREE expected = EVENTWITHPAGES(1);
    EVENTPAGE& page = expected->pages[0];
    page.condition = static_cast<CONDITION*>(CREATEOBJECT(OT_CONDITION));
    ADDCOMMAND(page, 10110, 0, "Welcome, traveller.", {});
    ADDCOMMAND(page, 10210, 0, nullptr, {0, 3, 3, 0});
    ADDCOMMAND(page, 11410, 0, nullptr, {10});
    EXPECT_EQ(ENCODE(CB_MAPEVENT, listed.tree.get()), ENCODE(CB_MAPEVENT, expected.get()));
    EXPECT_EQ(LIST(expected.get()), "# Pagewright listing: Event command(s) (566)\n"
                                    "<>Message: Welcome, traveller.\n"
                                    "<>Control Switches: [0003] ON\n"
                                    "<>Wait: 1.0 s\n");
}

// Control codes stay as typed; what a line cannot hold as it stands (spaces
// at an end, a leading quote, bytes the code page has no character for, line
// ends) is quoted, and text that looks like a listing line stays text.
TEST(ListingForm, AwkwardTextsComeBack) {
    const EVENTTREE event =
        COMMANDS({{"\\C[4]Hi \\N[1], \\V[12] \\$\\!\\.\\|\\^\\>\\<\\_\\\\", 10110},
                  {"  both ends  ", 20110},
                  {"\"quoted\" at the start", 20110},
                  {"a \x81 byte", 20110},
                  {"<>Message: not a command", 20110},
                  {"# Pagewright listing: Map event (563)", 12410},
                  {"line\r\nbreak", 22410}});
    const std::string listing = LIST(event.get());
    EXPECT_NE(listing.find("<>Message: \\C[4]Hi \\N[1], \\V[12] \\$\\!\\.\\|\\^\\>\\<\\_\\\\\n"),
              std::string::npos)
        << listing;
    EXPECT_NE(listing.find(":        : \"  both ends  \"\n"), std::string::npos) << listing;
    EXPECT_NE(listing.find("\"a \\x81 byte\""), std::string::npos) << listing;
    EXPECTROUNDTRIP(CB_EVENTCOMMANDS, event.get());
}

TEST(ListingForm, AFormThatCannotSayACommandGivesTheFallback) {
    const EVENTTREE event = COMMANDS({});
    ADDCOMMAND(event->pages[0], 29999, 0, "x", {1, -2});
    ADDCOMMAND(event->pages[0], 10210, 3, nullptr, {0, 5, 6, 0});
    ADDCOMMAND(event->pages[0], 11410, 0, nullptr, {15, 0, 7});
    const std::string listing = LIST(event.get());
    EXPECT_NE(listing.find("\n<>@29999 \"x\" [1, -2]\n"), std::string::npos) << listing;
    EXPECT_NE(listing.find("\n      <>@10210 \"\" [0, 5, 6, 0]\n"), std::string::npos) << listing;
    EXPECT_NE(listing.find("\n<>Wait: 1.5 s +[0, 7]\n"), std::string::npos) << listing;
    EXPECTROUNDTRIP(CB_EVENTCOMMANDS, event.get());
}

// Lines of text are message boxes of at most four lines, a blank line ending
// one; listing lines may stand between them.
TEST(ListingForm, DialogueIsMessageBoxes) {
    const LISTEDEVENT listed =
        READ("One.\nTwo.\nThree.\nFour.\nFive.\n\nSix.\n<>Select Face: \"Actor1\" 0\n"
             "Seven, beside a face, is a line that is far wider than thirty-eight.\n");
    const EVENTPAGE& page = listed.tree->pages[0];
    std::vector<int> codes;
    for (int i = 0; i < page.command_count; ++i)
        codes.push_back(page.commands[i].code);
    EXPECT_EQ(codes, (std::vector<int>{10110, 20110, 20110, 20110, 10110, 10110, 10130, 10110}));
    ASSERT_EQ(listed.warnings.size(), 2u);
    EXPECT_EQ(listed.warnings[0].line, 5u);
    EXPECT_EQ(listed.warnings[1].line, 9u);
    EXPECT_NE(listed.warnings[1].what.find("beside a face"), std::string::npos);
}

TEST(ListingForm, StructureTheEditorNeverMakesIsWarnedOf) {
    const LISTEDEVENT listed = READ("<>Conditional Branch: Switch [0001] is ON\n"
                                    "  <>Message: no empty command follows\n"
                                    ": End\n"
                                    "<>Loop\n");
    ASSERT_EQ(listed.warnings.size(), 2u);
    EXPECT_EQ(listed.warnings[0].line, 3u);
    EXPECT_EQ(listed.warnings[1].line, 4u);
}

TEST(ListingForm, LinesThatCannotBeReadAreRefusedWithTheirNumber) {
    EXPECT_EQ(LINEERROR("<>Message: fine\n<>Mesage: Hi\n"), "2: unknown command \"Mesage\"");
    EXPECT_EQ(LINEERROR("<>Wait: 99999999999 s\n"), "1: a number is out of range");
    EXPECT_EQ(LINEERROR("<>Play Sound Effect: \"Open1, Volume 100\n"), "1: a quote is not closed");
    EXPECT_EQ(LINEERROR("<>@10110 \"x\" [1, two]\n"), "1: bad fallback parameters");
    EXPECT_EQ(LINEERROR("<>Message: 日本\n"), "1: U+65E5 has no place in code page 1252");
    EXPECT_EQ(LINEERROR("   <>Message: odd\n"), "1: an indent of 3 spaces is not a whole level");
    EXPECT_EQ(LINEERROR(": Else\n"), "1: \": Else\" stands outside the command or block it "
                                     "belongs to");
    EXPECT_EQ(LINEERROR("#page number=1\n"), "1: #page stands before #event");
}

// A line of a known command in other words gets the nearest line of its forms,
// with the line's own numbers, which reads.
TEST(ListingForm, ParametersThatCannotBeReadGetTheNearestForm) {
    const std::string switch_hint = " cannot be read; expected, for example: Switch [0003] is ON";
    EXPECT_EQ(LINEERROR("<>Conditional Branch (with Else): Switch [0003] ON\n"),
              "1: the parameters of \"Conditional Branch (with Else)\"" + switch_hint);
    EXPECT_EQ(LINEERROR("<>Conditional Branch: Switch [0003] ON\n"),
              "1: the parameters of \"Conditional Branch\"" + switch_hint);
    EXPECT_EQ(LINEERROR("<>Control Variables: [0005] = x3\n"),
              "1: the parameters of \"Control Variables\" cannot be read; expected, for example: "
              "[0005] = 3");
    // Where no form is spelt with the line's words, the whole line.
    const std::string choices = LINEERROR("<>Show Choices: Yes/No\n");
    const std::string example = choices.substr(choices.find("<>"));
    EXPECT_EQ(example.rfind("<>Show Choices (", 0), 0u) << choices;
    EXPECT_NO_THROW(READ(example + "\n: [A] Case\n<>\n: End\n"));
    EXPECT_EQ(LINEERROR("<>Loopy\n"), "1: unknown command \"Loopy\"");
}

// Names and texts end at their first zero byte, so one inside would be lost.
TEST(ListingForm, NoTextHoldsAZeroByte) {
    const std::string refused = "1: a text ends at its first zero byte and cannot hold one";
    EXPECT_EQ(LINEERROR(std::string("Hello\0World\n", 12)), refused);
    EXPECT_EQ(LINEERROR("<>Message: \"Hello\\x00World\"\n"), refused);
    EXPECT_EQ(LINEERROR("<>Set Move Route: Hero, Frequency 3: Change Graphic \"A\\x00\" 2\n"),
              refused);
    EXPECT_EQ(LINEERROR("#event kind=map name=\"A\\x00\"\n"), refused);
}

// JSON that is no object must be refused as JSON, not taken for dialogue;
// dialogue that merely parses as JSON, or begins with a bracket, stays dialogue.
TEST(ListingForm, JsonIsToldApartByItsContent) {
    for (const char* json : {" \n{\"format\": 563}", "{broken", " [] ", "[{\"format\": 563}]\n"})
        EXPECT_TRUE(ISJSON(json)) << json;
    for (const char* dialogue :
         {"<>Message: {\n", "", "[Alex] Hi!\n", "[1, 2\n", "42\n", "\"Hi\"\n"})
        EXPECT_FALSE(ISJSON(dialogue)) << dialogue;
}
