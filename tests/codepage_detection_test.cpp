// The code page of a game found from its texts and its RPG_RT.ini: sentences
// written here in each language and encoded in its page, and, with
// PAGEWRIGHT_GAMES set, the real games.
#include "codec/chunk_reader.h"
#include "codepage_detection.h"
#include "corpus.h"
#include "entry_list.h"
#include "formats/chunk_ids.h"
#include "game_chunk_ids.h"
#include "game_folder.h"
#include "game_ini.h"
#include "json_trees.h"

#include <gtest/gtest.h>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

struct LANGUAGE {
    std::uint32_t codepage;
    std::vector<const char*> sentences;
};

const LANGUAGE JAPANESE{932,
                        {"ようこそ、旅の方。", "この先は魔物が出るぞ。", "宝箱を開けた！",
                         "セーブしますか？", "勇者アレンは力尽きた…", "扉が開かない。"}};
const LANGUAGE TRADITIONAL{950,
                           {"歡迎來到我們的村子。", "前面有很多怪物，要小心。",
                            "你找到了一個寶箱！", "這把劍是國王給我的。", "要保存遊戲嗎？",
                            "他們都去城裡了。"}};
const LANGUAGE RUSSIAN{1251,
                       {"Добро пожаловать в нашу деревню.", "Впереди много чудовищ!",
                        "Ты нашёл сундук с сокровищами!", "Этот меч подарил мне король.",
                        "Сохранить игру?", "Все ушли в город."}};
const LANGUAGE LANGUAGES[] = {
    JAPANESE,
    TRADITIONAL,
    RUSSIAN,
    {936,
     {"欢迎来到我们的村子。", "前面有很多怪物，要小心。", "你找到了一个宝箱！",
      "这把剑是国王给我的。", "要保存游戏吗？", "他们都去城里了。"}},
    {949,
     {"우리 마을에 오신 것을 환영합니다.", "앞에는 몬스터가 많으니 조심하세요.",
      "보물 상자를 열었다!", "이 검은 왕이 주신 것이다.", "게임을 저장하시겠습니까?",
      "그들은 모두 성으로 갔다."}},
    {1250,
     {"Witaj w naszej małej wiosce.", "Przed tobą dużo potworów, bądź ostrożny.",
      "Znalazłeś skrzynię ze skarbem!", "Ten miecz dał mi król.", "Zapisać grę?",
      "Zamek władcy ciemności leży na północy."}},
    {1252,
     {"Bienvenue dans notre petit village.", "Il y a beaucoup de monstres là-bas !",
      "Vous avez trouvé un coffre au trésor !", "Cette épée m'a été donnée par le roi.",
      "Votre santé est rétablie.", "Le château du seigneur des ténèbres est au nord."}},
};

// Texts of the game: byte strings, and views of them as the detector takes them.
struct TEXTS {
    std::vector<std::string> bytes;

    void ADD(const LANGUAGE& language) {
        for (const char* sentence : language.sentences) {
            std::string encoded;
            EXPECT_TRUE(OPENCODEPAGE(language.codepage).FROMUTF8(sentence, encoded)) << sentence;
            bytes.push_back(encoded);
        }
    }
    void ADDASCII(std::size_t count) {
        const char* const words[] = {"Potion", "Hi-Potion", "Sword", "Slime", "Attack", "Defend"};
        for (std::size_t i = 0; i < count; ++i)
            bytes.emplace_back(words[i % std::size(words)]);
    }
    CODEPAGEFINDING DETECT(std::optional<std::uint32_t> ini = std::nullopt) const {
        return DETECTCODEPAGE(std::vector<std::string_view>(bytes.begin(), bytes.end()), ini);
    }
};

// The database's texts besides names that tell most, read crudely: the
// descriptions and messages of skills, and the terms. Its top level is a
// chunk list that no chunk id 0 ends.
struct DATABASETEXTCHUNK {
    enum : std::int32_t { SKILLDESCRIPTION = 2, SKILLMESSAGE2 = 4, TERMS = 21 };
};

void ADDDATABASETEXTS(BYTEVIEW file, TEXTS& texts) {
    const auto after_kind = static_cast<std::uint32_t>(1 + DATABASEKINDNAME.size());
    CHUNKREADER top(file, {after_kind, static_cast<std::uint32_t>(file.size()) - after_kind},
                    OVERRUN::DAMAGED);
    const auto add = [&](SPAN span) {
        texts.bytes.emplace_back(file.substr(span.offset, span.size));
    };
    for (CHUNK chunk; top.MORE() && top.NEXTCHUNK(chunk); top.SKIP(chunk)) {
        if (chunk.id == DATABASETEXTCHUNK::TERMS) {
            CHUNKREADER terms(file, chunk.PAYLOAD(), OVERRUN::DAMAGED);
            for (CHUNK term; terms.NEXTCHUNK(term); terms.SKIP(term))
                add(term.PAYLOAD());
        } else if (chunk.id == IDLISTOF(IDKIND::SKILL).chunk) {
            ENTRYLIST skills(file, chunk.PAYLOAD());
            for (std::int32_t id = 0; skills.NEXTENTRY(id);) {
                for (CHUNK field; skills.NEXTCHUNK(field);) {
                    if (field.id >= DATABASETEXTCHUNK::SKILLDESCRIPTION &&
                        field.id <= DATABASETEXTCHUNK::SKILLMESSAGE2)
                        add(field.PAYLOAD());
                }
            }
        }
    }
}

// Every name and every command's text of the game's database and map files,
// and the database's other texts.
TEXTS GAMETEXTS(const std::filesystem::path& game) {
    TEXTS texts;
    for (const auto& entry : std::filesystem::directory_iterator(game)) {
        const std::string name = entry.path().filename().string();
        if (!ISDATABASEFILE(name) && !MAPNUMBEROFFILE(name)) continue;
        const std::string bytes = FILEBYTES(entry.path());
        if (ISDATABASEFILE(name)) ADDDATABASETEXTS(bytes, texts);
        const GAMEFILE file(bytes);
        for (const IDLIST& list : IDLISTS) {
            for (std::int32_t id = 1;; ++id) {
                const std::optional<BYTEVIEW> named = file.NAMEOF(list.kind, id);
                if (!named) break;
                texts.bytes.emplace_back(*named);
            }
        }
        for (const GAMEENTRY& event : file.ENTRIES()) {
            const EVENTTREE tree =
                DECODE(SELECTEDFORMAT(SELECTOR{event.kind}), ENTRYCONTENT(file, event));
            for (std::int32_t p = 0; p < tree->page_count; ++p) {
                for (std::int32_t c = 0; c < tree->pages[p].command_count; ++c) {
                    const char* text = tree->pages[p].commands[c].string_parameter;
                    if (text && *text) texts.bytes.emplace_back(text);
                }
            }
        }
    }
    return texts;
}

} // namespace

TEST(CodePageDetection, EachLanguageIsFoundAloneAndAmongAsciiTexts) {
    for (const LANGUAGE& language : LANGUAGES) {
        TEXTS texts;
        texts.ADD(language);
        EXPECT_EQ(texts.DETECT().number, language.codepage);
        texts.ADDASCII(60);
        EXPECT_EQ(texts.DETECT().number, language.codepage) << texts.DETECT().reason;
    }
}

// Kana need lead bytes that Big5 never uses; Big5 read as Shift-JIS gives none.
TEST(CodePageDetection, BigFiveAndShiftJisAreNotTakenForEachOther) {
    TEXTS japanese;
    japanese.ADD(JAPANESE);
    EXPECT_EQ(japanese.DETECT(950).number, 932u);
    TEXTS chinese;
    chinese.ADD(TRADITIONAL);
    const CODEPAGEFINDING found = chinese.DETECT(932);
    EXPECT_EQ(found.number, 950u);
    EXPECT_EQ(found.reason, "found from the game's texts; RPG_RT.ini's 932 does not fit them");
}

// The editor's default database is Japanese, and English games keep a few of
// its texts.
TEST(CodePageDetection, JapaneseLeftoversLeaveAWesternGameWestern) {
    TEXTS texts;
    texts.ADDASCII(200);
    texts.bytes.emplace_back("Caf\xE9");
    texts.ADD({932, {"はテレポートを唱えた！", "はエスケープを唱えた！", "名前"}});
    EXPECT_EQ(texts.DETECT().number, 1252u);
}

TEST(CodePageDetection, RpgRtIniIsTakenWhereItReadsTheTexts) {
    TEXTS russian;
    russian.ADD(RUSSIAN);
    EXPECT_EQ(russian.DETECT(1251).reason, "given by RPG_RT.ini");
    TEXTS ascii;
    ascii.ADDASCII(10);
    EXPECT_EQ(ascii.DETECT(949).number, 949u);
    EXPECT_EQ(ascii.DETECT(65001).number, 1252u);
    EXPECT_EQ(ascii.DETECT().reason, "the default; the texts are all ASCII");
    // A page of single bytes reads most two-byte text, yet is not its page.
    TEXTS japanese;
    japanese.ADD(JAPANESE);
    EXPECT_EQ(japanese.DETECT(1252).number, 932u);
}

TEST(CodePageDetection, RpgRtIniNamesItsPageInTheEasyRpgSection) {
    EXPECT_EQ(INICODEPAGE("[RPG_RT]\r\nGameTitle=\x83\x65\x83\x58\x83\x67\r\n[EasyRPG]\r\n"
                          "Encoding=1250\r\n"),
              1250u);
    EXPECT_EQ(INICODEPAGE("\xEF\xBB\xBF[ easyrpg ]\n  encoding = 932 \n"), 932u);
    EXPECT_EQ(INICODEPAGE("[RPG_RT]\nEncoding=1251\n[EasyRPG]\nFont=x\n"), std::nullopt);
    EXPECT_EQ(INICODEPAGE("[EasyRPG]\nEncoding=Shift_JIS\n"), std::nullopt);
    EXPECT_EQ(INICODEPAGE("[EasyRPG]\nEncoding=99999999999999\n"), std::nullopt);
    EXPECT_EQ(INICODEPAGE(""), std::nullopt);
}

TEST(CodePageDetection, TheRealGamesPagesAreFound) {
    const char* folder = GIVENGAMESFOLDER();
    if (!folder) GTEST_SKIP() << "PAGEWRIGHT_GAMES is not set; no games to read";
    for (const auto& [game, codepage] : GAMECODEPAGES) {
        const std::filesystem::path path = std::filesystem::path(folder) / game;
        const TEXTS texts = GAMETEXTS(path);
        const CODEPAGEFINDING found = texts.DETECT(INICODEPAGE(FILEBYTES(path / "RPG_RT.ini")));
        EXPECT_EQ(found.number, codepage) << game << ": " << found.reason;
    }
}
