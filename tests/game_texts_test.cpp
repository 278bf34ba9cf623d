// A game's texts out to PO files and translations back in: small map files
// made here for each rule, and with PAGEWRIGHT_GAMES set, the real games
// through pagewright-clip, as a translator uses it.
#include "corpus.h"
#include "formats/chunk_ids.h"
#include "game_fixtures.h"
#include "game_put.h"
#include "processes.h"
#include "translations.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

std::string COMMAND(std::int32_t code, std::int32_t indent, const std::string& text,
                    std::vector<std::int32_t> parameters = {}) {
    std::string bytes = ENCODENUMBER(code) + ENCODENUMBER(indent) +
                        ENCODENUMBER(static_cast<std::int32_t>(text.size())) + text +
                        ENCODENUMBER(static_cast<std::int32_t>(parameters.size()));
    for (const std::int32_t parameter : parameters)
        bytes += ENCODENUMBER(parameter);
    return bytes;
}

// A map file whose event 1 has one page of the commands.
GAMEFILE MAPOF(const std::string& commands) {
    const std::string list = commands + COMMAND(0, 0, "");
    const std::string page =
        GAMECHUNK(MAPPAGECHUNK::COMMANDSIZE, ENCODENUMBER(static_cast<std::int32_t>(list.size()))) +
        GAMECHUNK(MAPPAGECHUNK::COMMANDS, list) + ENCODENUMBER(0);
    const std::string event =
        GAMECHUNK(MAPEVENTCHUNK::PAGES, GAMELIST({{1, page}})) + ENCODENUMBER(0);
    return GAMEFILE(MAPFILEWITHEVENTS(GAMELIST({{1, event}})));
}

const std::string FACE = COMMAND(10130, 0, "Face1", {0, 0, 0});
const std::string BOX = COMMAND(10110, 0, "Hello") + COMMAND(20110, 0, "there");
const std::string CHOICE = COMMAND(10140, 0, "Yes/No/Maybe", {0}) + COMMAND(20140, 0, "Yes", {0}) +
                           COMMAND(10, 1, "") + COMMAND(20140, 0, "No", {1}) + COMMAND(10, 1, "") +
                           COMMAND(20140, 0, "Maybe", {2}) + COMMAND(10, 1, "") +
                           COMMAND(20141, 0, "");

struct RESULT {
    TRANSLATED translated;
    std::optional<GAMEFILE> file;
    std::vector<PLAYERTEXT> texts;
};

RESULT TRANSLATEDMAP(const GAMEFILE& map, const std::string& po, std::uint32_t codepage = 1252) {
    const std::unique_ptr<CODEPAGE> page = CODEPAGE::OPEN(codepage);
    TRANSLATIONS translations("Map0001.po", po);
    RESULT result;
    TRANSLATE(map.BYTES(), EVENTTEXTS(map, ENTRYKIND::MAPEVENT, 1), &translations, nullptr, *page,
              result.translated);
    if (!result.translated.errors.empty()) return result;
    const std::optional<BYTESTRING> bytes = APPLYEDITS(map.BYTES(), result.translated.edits);
    if (!bytes) return result;
    result.file.emplace(*bytes);
    result.texts = EVENTTEXTS(*result.file, ENTRYKIND::MAPEVENT, 1);
    return result;
}

std::string ENTRY(const std::string& msgid, const std::string& msgstr) {
    return "msgid \"" + msgid + "\"\nmsgstr \"" + msgstr + "\"\n\n";
}

} // namespace

TEST(GameTexts, TextsOfEventsWithTheirPlaces) {
    const GAMEFILE map = MAPOF(FACE + BOX + CHOICE + COMMAND(10610, 0, "Alex", {1}));
    const std::vector<PLAYERTEXT> texts = EVENTTEXTS(map, ENTRYKIND::MAPEVENT, 1);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].bytes, "Hello\nthere");
    EXPECT_EQ(texts[0].place, "map1/event1/page1/commands:2");
    EXPECT_EQ(texts[0].width, 38u);
    EXPECT_EQ(texts[1].bytes, "Yes\nNo\nMaybe");
    EXPECT_EQ(texts[1].what, "a choice of 3 options beside a face");
    EXPECT_EQ(texts[2].context, "actors.name");
    EXPECT_EQ(texts[2].place, "map1/event1/page1/commands:12");
}

TEST(GameTexts, OneEntryForEachTextWithAllItsPlaces) {
    const std::unique_ptr<CODEPAGE> codepage = CODEPAGE::OPEN(1252);
    std::vector<std::string> left_out;
    const POFILE po = TEXTSPOFILE(
        EVENTTEXTS(MAPOF(BOX + COMMAND(10110, 0, "\x81") + BOX), ENTRYKIND::MAPEVENT, 1), *codepage,
        {}, left_out);
    ASSERT_EQ(po.messages.size(), 1u);
    EXPECT_EQ(
        po.messages[0].references,
        (std::vector<std::string>{"map1/event1/page1/commands:1", "map1/event1/page1/commands:4"}));
    EXPECT_EQ(left_out, std::vector<std::string>{"map1/event1/page1/commands:3"});
}

TEST(GameTexts, ABoxOfMoreLinesGoesOnInMoreBoxes) {
    const RESULT grown =
        TRANSLATEDMAP(MAPOF(FACE + BOX),
                      ENTRY("Hello\\nthere",
                            "1\\n2\\n3\\n4\\n5 is a line wider than the box beside a face shows"));
    ASSERT_TRUE(grown.file);
    ASSERT_EQ(grown.texts.size(), 2u);
    EXPECT_EQ(grown.texts[0].bytes, "1\n2\n3\n4");
    EXPECT_EQ(grown.texts[1].bytes, "5 is a line wider than the box beside a face shows");
    ASSERT_EQ(grown.translated.warnings.size(), 1u);
    EXPECT_NE(
        grown.translated.warnings[0].find("Map0001.po:1: map1/event1/page1/commands:2: line 5"),
        std::string::npos);

    const RESULT shrunk = TRANSLATEDMAP(MAPOF(BOX + BOX), ENTRY("Hello\\nthere", "Hi"));
    ASSERT_TRUE(shrunk.file);
    ASSERT_EQ(shrunk.texts.size(), 2u);
    EXPECT_EQ(shrunk.texts[1].place, "map1/event1/page1/commands:2");
}

TEST(GameTexts, AChoiceKeepsItsCountAndItsSummary) {
    const RESULT translated =
        TRANSLATEDMAP(MAPOF(CHOICE), ENTRY("Yes\\nNo\\nMaybe", "Ja\\nNein\\nVielleicht"));
    ASSERT_TRUE(translated.file);
    EXPECT_EQ(translated.texts[0].bytes, "Ja\nNein\nVielleicht");
    EXPECT_NE(translated.file->BYTES().find("Ja/Nein/Vielleicht"), BYTEVIEW::npos);

    const RESULT refused = TRANSLATEDMAP(MAPOF(CHOICE), ENTRY("Yes\\nNo\\nMaybe", "Ja\\nNein"));
    ASSERT_EQ(refused.translated.errors.size(), 1u);
    EXPECT_EQ(refused.translated.errors[0].rfind("Map0001.po:1: ", 0), 0u);
}

TEST(GameTexts, ADatabaseNameServesTheEventsThatSetIt) {
    const GAMEFILE map = MAPOF(COMMAND(10610, 0, "Alex", {1}) + BOX);
    const std::unique_ptr<CODEPAGE> codepage = CODEPAGE::OPEN(1252);
    TRANSLATIONS own("Map0001.po", "msgctxt \"actors.name\"\n" + ENTRY("Alex", ""));
    TRANSLATIONS fields("RPG_RT.ldb.po", "msgctxt \"actors.name\"\n" + ENTRY("Alex", "Alejandro"));
    TRANSLATED translated;
    TRANSLATE(map.BYTES(), EVENTTEXTS(map, ENTRYKIND::MAPEVENT, 1), &own, &fields, *codepage,
              translated);
    const std::optional<BYTESTRING> bytes = APPLYEDITS(map.BYTES(), translated.edits);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(EVENTTEXTS(GAMEFILE(*bytes), ENTRYKIND::MAPEVENT, 1)[0].bytes, "Alejandro");
    EXPECT_TRUE(own.UNMATCHED().empty() && fields.UNMATCHED().empty());
}

TEST(GameTexts, AStringPictureKeepsItsGraphic) {
    const GAMEFILE map = MAPOF(COMMAND(3007, 0, "\x01Hi\r\nthere\x01Sys\x01", {0}));
    EXPECT_EQ(EVENTTEXTS(map, ENTRYKIND::MAPEVENT, 1)[0].bytes, "Hi\nthere");
    const RESULT translated = TRANSLATEDMAP(map, ENTRY("Hi\\nthere", "Hallo\\nda"));
    ASSERT_TRUE(translated.file);
    EXPECT_NE(translated.file->BYTES().find("\x01Hallo\r\nda\x01Sys\x01"), BYTEVIEW::npos);
}

TEST(GameTexts, WhatCannotBeWrittenIsRefusedOrKept) {
    const RESULT missing = TRANSLATEDMAP(MAPOF(BOX), ENTRY("Hello\\nthere", "Привет"));
    ASSERT_EQ(missing.translated.errors.size(), 1u);
    EXPECT_NE(missing.translated.errors[0].find("Map0001.po:1: the translation of \"Hello...\""),
              std::string::npos);
    EXPECT_TRUE(TRANSLATEDMAP(MAPOF(BOX), ENTRY("Hello\\nthere", "Привет"), 1251).file);

    const RESULT fuzzy = TRANSLATEDMAP(MAPOF(BOX), "#, fuzzy\n" + ENTRY("Hello\\nthere", "Hi"));
    EXPECT_TRUE(fuzzy.translated.edits.empty());
    // As msgen fills a file in: no text changes, so neither does the file.
    const RESULT same = TRANSLATEDMAP(MAPOF(BOX), ENTRY("Hello\\nthere", "Hello\\nthere"));
    EXPECT_TRUE(same.translated.edits.empty());

    TRANSLATIONS unmatched("Map0001.po", "\n" + ENTRY("Bye", "Tschüss"));
    EXPECT_EQ(unmatched.UNMATCHED(),
              std::vector<std::string>{"Map0001.po:2: matches no text of the game: \"Bye\""});
    try {
        TRANSLATIONS broken("Map0001.po", "msgid \"a\"\nmsgstr \"b\n");
        FAIL() << "a broken PO file was read";
    } catch (const POERROR& refusal) {
        EXPECT_EQ(refusal.line, 2u);
    }
}

namespace {

namespace fs = std::filesystem;

std::string CLIP(const std::string& arguments, int& exit_code) {
    return OUTPUTOFCOMMAND(std::string(PAGEWRIGHT_CLIP) + " " + arguments, exit_code, true);
}

std::string QUOTED(const fs::path& path) {
    return '"' + path.string() + '"';
}

char SWAPPEDCASE(char character) {
    const bool letter =
        (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z');
    return letter ? static_cast<char>(character ^ 0x20) : character;
}

std::string SWAPPED(std::string text) {
    for (char& character : text)
        character = SWAPPEDCASE(character);
    return text;
}

// Every PO file of the folder, by name.
std::map<std::string, POFILE> POFILESIN(const fs::path& folder) {
    std::map<std::string, POFILE> files;
    for (const auto& file : fs::directory_iterator(folder))
        files.emplace(file.path().filename().string(), READPO(FILEBYTES(file.path())));
    return files;
}

// A translated file reads back whole and differs from the original, whose
// save counter counts one more save, only in its letters' case; the map tree
// has no save counter.
void EXPECTSWAPPEDLETTERS(const std::string& original, const std::string& translated,
                          const fs::path& name) {
    std::optional<EDIT> count;
    if (name.extension() == ".lmt") {
        EXPECT_NO_THROW(MAPTREE{translated}) << name;
    } else {
        EXPECT_NO_THROW(GAMEFILE{translated}) << name;
        std::int32_t before = 0;
        count = RAISESAVECOUNTER(GAMEFILE(original), before);
    }
    if (translated == original) return;
    const std::optional<BYTESTRING> counted =
        count ? APPLYEDITS(original, {*count}) : std::optional<BYTESTRING>(original);
    ASSERT_TRUE(counted && counted->size() == translated.size()) << name;
    for (std::size_t at = 0; at < translated.size(); ++at) {
        ASSERT_EQ(translated[at],
                  (*counted)[at] == translated[at] ? translated[at] : SWAPPEDCASE((*counted)[at]))
            << name << " at byte " << at;
    }
}

// The first line of the game's first message of letters alone stands on the
// line of its listing that its reference counts.
void EXPECTLISTEDWHERESAID(const fs::path& game, const std::map<std::string, POFILE>& files) {
    constexpr const char* LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz ";
    for (const auto& named : files) {
        for (const POENTRY& message : named.second.messages) {
            const std::string line = message.msgid.substr(0, message.msgid.find('\n'));
            const std::string& place = message.references[0];
            const std::size_t colon = place.rfind(':');
            if (colon == std::string::npos ||
                line.find_first_not_of(LETTERS) != std::string::npos ||
                message.extracted_comments[0].rfind("a message", 0) != 0) {
                continue;
            }
            int exit_code = 0;
            std::istringstream listing(
                CLIP("list --game " + QUOTED(game) + " " + place.substr(0, colon), exit_code));
            std::string listed;
            for (int number = 0; number <= std::stoi(place.substr(colon + 1)); ++number)
                std::getline(listing, listed);
            EXPECT_NE(listed.find(line), std::string::npos) << place << ": " << listed;
            return;
        }
    }
    ADD_FAILURE() << "no message of letters alone in " << game;
}

} // namespace

TEST(GameTexts, ABrokenPoFileWritesNothing) {
    const fs::path folder = fs::path(testing::TempDir()) / "broken-po";
    fs::remove_all(folder);
    fs::create_directories(folder / "po");
    std::ofstream(folder / "po" / "Map0001.po") << "msgid \"a\"\nmsgstr \"b\n";
    int exit_code = 0;
    const std::string said =
        CLIP("import-texts " PAGEWRIGHT_SOURCE_DIR "/tests/wine/fixtures/game " +
                 QUOTED(folder / "po") + " -o " + QUOTED(folder / "new"),
             exit_code);
    EXPECT_NE(exit_code, 0);
    EXPECT_NE(said.find("Map0001.po:2: "), std::string::npos) << said;
    EXPECT_FALSE(fs::exists(folder / "new"));
}

TEST(GameTexts, InPlaceEachChangedFileIsKeptAsBak) {
    const fs::path game = fs::path(testing::TempDir()) / "in-place";
    fs::remove_all(game);
    fs::copy(PAGEWRIGHT_SOURCE_DIR "/tests/wine/fixtures/game", game);
    const std::string original = FILEBYTES(game / "Map0001.lmu");
    int exit_code = 0;
    std::string said =
        CLIP("export-texts " + QUOTED(game) + " -o " + QUOTED(game / "po"), exit_code);
    ASSERT_EQ(exit_code, 0) << said;
    std::string po = FILEBYTES(game / "po" / "Map0001.po");
    po.replace(po.find("msgstr \"\"\n", po.find("Hello")), 10, "msgstr \"Hallo\"\n");
    std::ofstream(game / "po" / "Map0001.po", std::ios::binary) << po;
    fs::copy(game / "po" / "Map0001.po", game / "po" / "Map0999.po");
    fs::remove(game / "RPG_RT.lmt");
    said = CLIP("import-texts " + QUOTED(game) + " " + QUOTED(game / "po") + " -o " + QUOTED(game),
                exit_code);
    ASSERT_EQ(exit_code, 0) << said;
    EXPECT_EQ(FILEBYTES(game / "Map0001.lmu.bak"), original);
    EXPECT_NE(FILEBYTES(game / "Map0001.lmu").find("Hallo"), std::string::npos);
    EXPECT_FALSE(fs::exists(game / "RPG_RT.ldb.bak"));
    EXPECT_NE(said.find("Map0999.po: the game has no Map0999.lmu"), std::string::npos) << said;
    EXPECT_NE(said.find("RPG_RT.lmt.po: the game has no RPG_RT.lmt;"), std::string::npos) << said;

    // A backup that cannot be written is named, and not the file it keeps,
    // with the database translated before it.
    po = FILEBYTES(game / "po" / "RPG_RT.ldb.po");
    po.replace(po.find("msgstr \"\"\n", po.find("Gate")), 10, "msgstr \"Tor\"\n");
    std::ofstream(game / "po" / "RPG_RT.ldb.po", std::ios::binary) << po;
    std::ofstream(game / "Map0001.lmu", std::ios::binary) << original;
    fs::remove(game / "Map0001.lmu.bak");
    fs::create_directories(game / "Map0001.lmu.bak" / "held");
    said = CLIP("import-texts " + QUOTED(game) + " " + QUOTED(game / "po") + " -o " + QUOTED(game),
                exit_code);
    EXPECT_NE(exit_code, 0);
    EXPECT_NE(said.find("cannot write " + (game / "Map0001.lmu.bak").string()), std::string::npos)
        << said;
    EXPECT_NE(said.find("translated before it, each old file kept as NAME.bak: " +
                        (game / "RPG_RT.ldb").string()),
              std::string::npos)
        << said;
}

// Out, msgfmt's check, back in untranslated to the same bytes, and a
// translation of every text by a rule of its own back in, and out again.
TEST(GameTexts, RealGamesTranslateBothWays) {
    const char* games = GIVENGAMESFOLDER();
    if (!games) GTEST_SKIP() << "PAGEWRIGHT_GAMES is not set; no games to translate";
    const bool msgfmt = std::system("command -v msgfmt >/dev/null 2>&1") == 0;
    for (const auto& entry : fs::directory_iterator(games)) {
        const fs::path game = entry.path();
        if (!fs::exists(game / "RPG_RT.ldb")) continue;
        SCOPED_TRACE(game.string());
        const fs::path work = fs::path(testing::TempDir()) / "translated" / game.filename();
        fs::remove_all(work);
        int exit_code = 0;
        std::string said =
            CLIP("export-texts " + QUOTED(game) + " -o " + QUOTED(work / "po"), exit_code);
        ASSERT_EQ(exit_code, 0) << said;
        for (const auto& po : fs::directory_iterator(work / "po")) {
            if (!msgfmt) break;
            said = OUTPUTOFCOMMAND("msgfmt --check -o /dev/null " + QUOTED(po.path()), exit_code,
                                   true);
            EXPECT_EQ(exit_code, 0) << said;
        }
        said = CLIP("import-texts " + QUOTED(game) + " " + QUOTED(work / "po") + " -o " +
                        QUOTED(work / "same"),
                    exit_code);
        ASSERT_EQ(exit_code, 0) << said;

        const std::map<std::string, POFILE> exported = POFILESIN(work / "po");
        fs::create_directories(work / "swapped");
        for (auto [name, file] : exported) {
            for (POENTRY& message : file.messages)
                message.msgstr = SWAPPED(message.msgid);
            std::ofstream(work / "swapped" / name, std::ios::binary) << WRITEPO(file);
        }
        said = CLIP("import-texts " + QUOTED(game) + " " + QUOTED(work / "swapped") + " -o " +
                        QUOTED(work / "new"),
                    exit_code);
        ASSERT_EQ(exit_code, 0) << said;
        for (const auto& file : fs::directory_iterator(game)) {
            const std::string extension = file.path().extension().string();
            if (extension != ".lmu" && extension != ".ldb" && extension != ".lmt") continue;
            const std::string original = FILEBYTES(file.path());
            EXPECT_EQ(FILEBYTES(work / "same" / file.path().filename()), original) << file.path();
            const std::string translated = FILEBYTES(work / "new" / file.path().filename());
            EXPECTSWAPPEDLETTERS(original, translated, file.path().filename());
        }

        said = CLIP("export-texts " + QUOTED(work / "new") + " -o " + QUOTED(work / "again"),
                    exit_code);
        ASSERT_EQ(exit_code, 0) << said;
        std::map<std::string, POFILE> again = POFILESIN(work / "again");
        for (const auto& [name, file] : exported) {
            std::map<std::pair<std::optional<std::string>, std::string>, std::vector<std::string>>
                places;
            for (const POENTRY& message : again[name].messages)
                places[{message.msgctxt, message.msgid}] = message.references;
            for (const POENTRY& message : file.messages) {
                EXPECT_EQ((places[{message.msgctxt, SWAPPED(message.msgid)}]), message.references)
                    << name << ":" << message.line;
            }
        }
        EXPECTLISTEDWHERESAID(work / "new", again);
    }
}
