// PO files read and written: C's quoting both ways, strings continued over
// lines, what tells entries apart, and each fault of a broken file named
// with its line.
#include "po_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace PAGEWRIGHT;

namespace {

POENTRY MESSAGE(std::optional<std::string> msgctxt, std::string msgid, std::string msgstr = "") {
    POENTRY entry;
    entry.msgctxt = std::move(msgctxt);
    entry.msgid = std::move(msgid);
    entry.msgstr = std::move(msgstr);
    return entry;
}

const POENTRY HEADER = POHEADER({{"Content-Type", "text/plain; charset=UTF-8"}});

} // namespace

TEST(PoFile, EveryEscapeAndUtf8BothWays) {
    const POFILE file = READPO(R"(msgid "\n\t\"\\\r\a\b\f\v \101\x42\x6a\303\251 é 日本")"
                               "\nmsgstr \"\\1\\02\\177\"\n");
    ASSERT_EQ(file.messages.size(), 1u);
    EXPECT_EQ(file.messages[0].msgid, "\n\t\"\\\r\a\b\f\v ABjé é 日本");
    EXPECT_EQ(file.messages[0].msgstr, "\x01\x02\x7F");
    EXPECT_EQ(WRITEPO(file), "msgid \"\"\n"
                             "\"\\n\"\n"
                             "\"\\t\\\"\\\\\\r\\a\\b\\f\\v ABjé é 日本\"\n"
                             "msgstr \"\\001\\002\\177\"\n");
    EXPECT_EQ(READPO(WRITEPO(file)), file);
}

TEST(PoFile, ContinuedStringsCommentsContextsAndPluralForms) {
    const POFILE file = READPO("\xEF\xBB\xBF# header's\r\n"
                               "msgid \"\"\r\n"
                               "msgstr \"\"\r\n"
                               "\"Content-Type: text/plain; charset=utf-8\\n\"\r\n"
                               "\r\n"
                               "#  translator\n"
                               "#.extracted\n"
                               "#: Map0001/EV0001  Map0002/EV0003\n"
                               "#: Map0004/EV0005\n"
                               "#, fuzzy , c-format\n"
                               "#| msgid \"old \"\n"
                               "#| \"text\"\n"
                               "msgid \"\"\n"
                               "  \"Line one\\n\"\n"
                               "\n"
                               "\"Line two\"\n"
                               "msgstr \"Zeile\"\n"
                               "\n"
                               "# the obsolete entry's own comment\n"
                               "#~ msgid \"gone\"\n"
                               "#~ msgstr \"weg\"\n"
                               "msgctxt \"\"\n"
                               "msgid \"Line one\\nLine two\"\n"
                               "msgstr \"\"\n"
                               "msgctxt \"Map0001\"\n"
                               "msgid \"Line one\\nLine two\"\n"
                               "msgstr \"\"\n"
                               "msgid \"an apple\"\n"
                               "msgid_plural \"%d apples\"\n"
                               "msgstr[0] \"ein Apfel\"\n"
                               "msgstr[1] \"%d Äpfel\"\n");
    ASSERT_TRUE(file.header);
    EXPECT_EQ(file.header->translator_comments, std::vector<std::string>{"header's"});
    EXPECT_EQ(POHEADERVALUE(*file.header, "Content-Type"), "text/plain; charset=utf-8");
    ASSERT_EQ(file.messages.size(), 4u);
    const POENTRY& first = file.messages[0];
    EXPECT_EQ(first.line, 6u);
    EXPECT_EQ(first.translator_comments, std::vector<std::string>{" translator"});
    EXPECT_EQ(first.extracted_comments, std::vector<std::string>{"extracted"});
    EXPECT_EQ(first.references,
              (std::vector<std::string>{"Map0001/EV0001", "Map0002/EV0003", "Map0004/EV0005"}));
    EXPECT_TRUE(HASPOFLAG(first, FUZZYFLAG));
    EXPECT_TRUE(HASPOFLAG(first, "c-format"));
    EXPECT_EQ(first.previous_msgid, "old text");
    EXPECT_FALSE(first.msgctxt);
    EXPECT_EQ(first.msgid, "Line one\nLine two");
    EXPECT_EQ(first.msgstr, "Zeile");
    EXPECT_EQ(file.messages[1].line, 22u);
    EXPECT_EQ(file.messages[1].msgctxt, "");
    EXPECT_EQ(file.messages[1].translator_comments, std::vector<std::string>{});
    EXPECT_EQ(file.messages[2].msgctxt, "Map0001");
    EXPECT_EQ(file.messages[3].msgid_plural, "%d apples");
    EXPECT_EQ(file.messages[3].plural_msgstr, (std::vector<std::string>{"ein Apfel", "%d Äpfel"}));
    EXPECT_EQ(READPO(WRITEPO(file)), file);
}

TEST(PoFile, FaultsAreNamedWithTheirLine) {
    const std::pair<std::string, std::string> faults[] = {
        {"msgid \"a\nmsgstr \"\"\n", "1: a string without its closing quote"},
        {"\n\nmsgstr \"b\"\n", "3: msgstr without msgid"},
        {"msgid \"a\"\nmsgstr \"\\q\"\n", "2: an unknown escape \\q (the escapes are \\n \\t \\\" "
                                          "\\\\ \\r \\a \\b \\f \\v, octal \\ooo and \\xhh)"},
        {"msgid \"a\"\nmsgstr \"\"\nmsgstr_x \"\"\n",
         "3: neither a comment, a keyword nor a string"},
        {"msgid \"a\"\nmsgstr \"\"\nHello\n", "3: neither a comment, a keyword nor a string"},
        {"msgid \"a\"\nmsgstr \"\" x\n", "2: text after the string's closing quote"},
        {"\"a\"\n", "1: a string that continues no keyword"},
        {"#| msgid \"a\"\n\"b\"\n", "2: a string that continues no keyword"},
        {"msgid \"a\"\n# c\nmsgstr \"\"\n", "1: msgid without msgstr"},
        {"msgid \"a\"\nmsgstr \"\"\n\nmsgctxt \"c\"\n", "4: msgctxt without msgid"},
        {"msgid \"a\"\nmsgstr \"\\x414\"\n", "2: a \\x escape of more than two digits"},
        {"msgid \"a\"\nmsgstr \"\\0\"\n", "2: an escape of a zero byte, which no text holds"},
        {"msgid \"a\"\nmsgstr \"\\400\"\n", "2: an octal escape beyond \\377"},
        {"msgid \"a\"\nmsgstr \"\\xff\"\n",
         "1: an escape in this entry makes a string that is no UTF-8"},
        {"msgid \"a\"\nmsgstr \"\xC3\x28\"\n", "2: bytes that are no UTF-8, at column 9"},
        {"msgid \"a\"\nmsgstr \"\"\r\r\n", "2: a carriage return inside a line"},
        {std::string("msgid \"a\0\"\n", 11), "1: a zero byte"},
        {"msgid \"a\"\nmsgstr \"\"\n\nmsgid \"a\"\nmsgstr \"\"\n",
         "4: a message defined before, at line 1"},
        {"msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=ISO-8859-1\\n\"\n",
         "1: the header names the charset ISO-8859-1; a PO file is read as UTF-8 alone"},
        {"msgid \"a\"\nmsgid_plural \"b\"\nmsgstr \"\"\n",
         "3: msgstr in a message with msgid_plural, which takes msgstr[0], ..."},
        {"msgid \"a\"\nmsgid_plural \"b\"\nmsgstr[1] \"\"\n",
         "3: msgstr[1] where msgstr[0] is due"},
        {"msgid \"a\"\nmsgstr[0] \"\"\n", "2: msgstr[0] in a message without msgid_plural"},
        {"msgid \"\"\nmsgid_plural \"b\"\nmsgstr[0] \"\"\n",
         "1: a header (msgid \"\" without msgctxt) with msgid_plural"},
        {std::string(MAXPOBYTES + 1, '#'), "1: larger than the 16 MB that a PO file may take"},
    };
    for (const auto& [bytes, error] : faults) {
        EXPECT_THAT([&] { READPO(bytes); }, testing::ThrowsMessage<POERROR>(testing::StrEq(error)))
            << bytes;
    }
}

TEST(PoFile, MessageBoxLinesAreWrittenAsGettextDoes) {
    POENTRY message =
        MESSAGE("Map0001/EV0001/1", "Welcome to the village!\nThe gate opens at dawn.\n"
                                    "Mind the wolves,\nstranger.");
    message.extracted_comments = {"Alex, face 3"};
    message.references = {"Map0001.lmu:12", "Map0002.lmu:4"};
    message.flags = {std::string(FUZZYFLAG)};
    const POFILE file{HEADER, {message, MESSAGE(std::nullopt, "Yes\n", "Ja\n")}};
    const std::string written = WRITEPO(file);
    EXPECT_EQ(written, "msgid \"\"\n"
                       "msgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                       "\n"
                       "#. Alex, face 3\n"
                       "#: Map0001.lmu:12\n"
                       "#: Map0002.lmu:4\n"
                       "#, fuzzy\n"
                       "msgctxt \"Map0001/EV0001/1\"\n"
                       "msgid \"\"\n"
                       "\"Welcome to the village!\\n\"\n"
                       "\"The gate opens at dawn.\\n\"\n"
                       "\"Mind the wolves,\\n\"\n"
                       "\"stranger.\"\n"
                       "msgstr \"\"\n"
                       "\n"
                       "msgid \"Yes\\n\"\n"
                       "msgstr \"Ja\\n\"\n");
    EXPECT_EQ(READPO(written), file);
    EXPECT_EQ(WRITEPO(READPO(written)), written);
}

TEST(PoFile, WhatNoFileCanSayIsNotWritten) {
    const auto refused = [](POENTRY message) {
        try {
            WRITEPO({HEADER, {message}});
        } catch (const std::invalid_argument&) {
            return true;
        }
        return false;
    };
    EXPECT_FALSE(refused(MESSAGE(std::nullopt, "a")));
    EXPECT_FALSE(refused(MESSAGE("", "")));
    EXPECT_TRUE(refused(MESSAGE(std::nullopt, "")));
    EXPECT_TRUE(refused(MESSAGE(std::nullopt, std::string("a\0b", 3))));
    EXPECT_TRUE(refused(MESSAGE(std::nullopt, "a", "\xFF")));
    const auto changed = [](void (*change)(POENTRY&)) {
        POENTRY message = MESSAGE(std::nullopt, "a");
        change(message);
        return message;
    };
    EXPECT_TRUE(refused(changed([](POENTRY& m) { m.translator_comments = {"two\nlines"}; })));
    EXPECT_TRUE(refused(changed([](POENTRY& m) { m.references = {"Map 1"}; })));
    EXPECT_TRUE(refused(changed([](POENTRY& m) { m.plural_msgstr = {"b"}; })));
    EXPECT_THROW(WRITEPO({HEADER, {MESSAGE("c", "a"), MESSAGE("c", "a")}}), std::invalid_argument);
    EXPECT_THROW(WRITEPO({POHEADER({{"Content-Type", "text/plain; charset=CP932"}}), {}}),
                 std::invalid_argument);
}
