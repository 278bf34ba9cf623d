// What is written, as gettext's own programs take it, and what they write, as
// it is read; skipped where they are not installed.
#include "po_file.h"
#include "processes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using namespace PAGEWRIGHT;

namespace {

bool INSTALLED(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::string TEMPORARY(const std::string& name, const std::string& bytes) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// What the command writes on standard output and error, and its exit code.
std::string OUTPUTOF(const std::string& command, int& exit_code) {
    return OUTPUTOFCOMMAND(command, exit_code, true);
}

// A translated file as gettext writes it, with the header fields that msgfmt
// --check-header asks for.
const std::string TRANSLATED = R"(# Texts of Village Gate.
msgid ""
msgstr ""
"Project-Id-Version: Village Gate 1.0\n"
"PO-Revision-Date: 2026-12-08 10:00+0100\n"
"Last-Translator: Ana <ana@example.org>\n"
"Language-Team: German\n"
"Language: de\n"
"MIME-Version: 1.0\n"
"Content-Type: text/plain; charset=UTF-8\n"
"Content-Transfer-Encoding: 8bit\n"

msgctxt "Map0001/EV0001/1/0"
msgid ""
"Welcome to the village!\n"
"The gate opens at dawn.\n"
msgstr ""
"Willkommen im Dorf!\n"
"Das Tor öffnet bei Tagesanbruch.\n"

#, fuzzy
msgctxt "Map0001/EV0002/1/0"
msgid ""
"「ようこそ」\n"
"\"Quoted\" \\ and 50% off"
msgstr ""
"„Willkommen“\n"
"\"Zitiert\" \\ und 50 % billiger"

#. Item 1: Long Sword
msgctxt "Database/Item/1/description"
msgid ""
"A sword forged in the old smithy of the capital, light and sharp, kept for a "
"brave captain of the guard. Handle with care."
msgstr "Ein Schwert aus der alten Schmiede der Hauptstadt."
)";

} // namespace

// msgcat writes what is written again as it is: gettext's own form.
TEST(PoGettext, WhatIsWrittenIsCheckedAndKeptByGettext) {
    if (!INSTALLED("msgfmt") || !INSTALLED("msgcat")) GTEST_SKIP() << "gettext is not installed";
    const std::string written = WRITEPO(READPO(TRANSLATED));
    EXPECT_EQ(written, TRANSLATED);
    const std::string path = TEMPORARY("written.po", written);
    int exit_code = -1;
    const std::string said =
        OUTPUTOF("msgfmt --check-format --check-header -o /dev/null " + path, exit_code);
    EXPECT_EQ(exit_code, 0) << said;
    EXPECT_EQ(said, "");
    const std::string rewritten = OUTPUTOF("msgcat " + path, exit_code);
    EXPECT_EQ(exit_code, 0);
    EXPECT_EQ(rewritten, written);
}

// The translator's round: a template is written, translated and merged with
// a newer template, which marks a changed message fuzzy with its previous
// msgid and keeps a removed one as obsolete.
TEST(PoGettext, AFileMsgmergeWroteReadsRight) {
    if (!INSTALLED("msgmerge")) GTEST_SKIP() << "msgmerge is not installed";
    const POFILE translated = READPO(TRANSLATED);
    POFILE newer = translated;
    for (POENTRY& message : newer.messages)
        message.msgstr.clear();
    newer.messages[0].msgid = "Welcome to the town!\nThe gate opens at dawn.\n";
    newer.messages[0].references = {"Map0001.lmu"};
    newer.messages.pop_back();
    int exit_code = -1;
    const std::string merged =
        OUTPUTOF("msgmerge --quiet --previous " + TEMPORARY("old.po", TRANSLATED) + " " +
                     TEMPORARY("new.pot", WRITEPO(newer)),
                 exit_code);
    ASSERT_EQ(exit_code, 0) << merged;
    ASSERT_NE(merged.find("#~ msgctxt \"Database/Item/1/description\""), std::string::npos)
        << merged;
    const POFILE read = READPO(merged);
    ASSERT_EQ(read.messages.size(), 2u) << merged;
    const POENTRY& changed = read.messages[0];
    EXPECT_TRUE(HASPOFLAG(changed, FUZZYFLAG));
    EXPECT_EQ(changed.previous_msgid, translated.messages[0].msgid);
    EXPECT_EQ(changed.msgid, newer.messages[0].msgid);
    EXPECT_EQ(changed.msgstr, translated.messages[0].msgstr);
    EXPECT_EQ(changed.references, newer.messages[0].references);
    EXPECT_EQ(read.messages[1], translated.messages[1]);
}
