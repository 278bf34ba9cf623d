// Writes the seed inputs of the fuzz targets: the test fixtures and, when
// PAGEWRIGHT_CORPUS is set, every file of the real data; for the JSON and the
// listing readers, their JSON and listings, of the smaller files only; for the
// game file reader, the sample game's files and, when PAGEWRIGHT_CORPUS is
// set, every file of the games beside it; for the PO reader, files with every
// kind of line it reads; for the writer, each form of selector with a sample
// content and file.
// Usage: write_seeds FOLDER  (makes FOLDER/decode, roundtrip, json, listing,
// gamefile, po and put)
#include "corpus.h"
#include "event_json.h"
#include "event_listing.h"
#include "fixtures.h"
#include "formats.h"
#include "game_fixtures.h"
#include "text_inputs.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

int FORMATINDEX(KESTREL::CLIPBOARDCONTENTTYPE format) {
    return static_cast<int>(std::find(std::begin(FUZZFORMATS), std::end(FUZZFORMATS), format) -
                            std::begin(FUZZFORMATS));
}

void WRITESEED(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every kind of line and escape a PO file holds, with line ends of both kinds.
constexpr const char* POSEEDS[] = {
    "# Texts of the game\n"
    "#, fuzzy\n"
    "msgid \"\"\n"
    "msgstr \"\"\n"
    "\"Language: de\\n\"\n"
    "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
    "\n"
    "#  translator\n"
    "#. extracted\n"
    "#: Map0001.lmu:3 Map0002.lmu:7\n"
    "#, fuzzy, c-format\n"
    "#| msgctxt \"old\"\n"
    "#| msgid \"old \"\n"
    "#| \"text\"\n"
    "msgctxt \"Map0001/EV0001\"\n"
    "msgid \"\"\n"
    "\"Line \\\"one\\\"\\n\"\n"
    "\"\\t\\\\\\r\\a\\b\\f\\v\\101\\x42 日本\"\n"
    "msgstr \"Zeile\"\n"
    "\n"
    "msgctxt \"\"\n"
    "msgid \"an apple\"\n"
    "msgid_plural \"%d apples\"\n"
    "msgstr[0] \"ein Apfel\"\n"
    "msgstr[1] \"%d Äpfel\"\n"
    "\n"
    "#~ msgid \"gone\"\n"
    "#~ msgstr \"weg\"\n",
    "\xEF\xBB\xBFmsgid \"a\"\r\nmsgstr \"b\"\r\n\r\nmsgid \"c\"\r\nmsgstr \"\"\r\n",
};

// Larger contents would make the JSON reader's inputs slow to mutate.
constexpr std::size_t LARGESTJSONSEEDCONTENT = 2048;

// The content as JSON and as a listing, in the text readers' code page.
void WRITETEXTSEEDS(const std::filesystem::path& folder, const std::string& name,
                    KESTREL::CLIPBOARDCONTENTTYPE format, const std::string& content) {
    const EVENTTREE tree = DECODE(format, content);
    if (!tree) return;
    WRITESEED(folder / "json" / name, PAGEWRIGHT::EXPORTEVENT(format, *tree, FUZZCODEPAGE()));
    WRITESEED(folder / "listing" / name, PAGEWRIGHT::LISTEVENT(format, *tree, FUZZCODEPAGE()));
}

void WRITESEEDS(const std::filesystem::path& folder, const std::string& name,
                KESTREL::CLIPBOARDCONTENTTYPE format, const std::string& content) {
    WRITESEED(folder / "decode" / name,
              std::string(1, static_cast<char>(FORMATINDEX(format))) + content);
    WRITESEED(folder / "roundtrip" / name, content);
    if (format != KESTREL::CB_TEXT && content.size() <= LARGESTJSONSEEDCONTENT) {
        WRITETEXTSEEDS(folder, name, format, content);
    }
}

struct PUTSEED {
    std::string name;
    std::string bytes;
};

// For the put target: each form of selector with the sample content of its
// format and the sample file that holds it, as put and as a removal, in
// fuzz_put's layout.
std::vector<PUTSEED> PUTSEEDS() {
    using namespace KESTREL;
    std::vector<PUTSEED> seeds;
    const std::pair<std::uint8_t, CLIPBOARDCONTENTTYPE> forms[] = {
        {0, CB_MAPEVENT},       {16, CB_MAPEVENT},      {4, CB_MAPEVENTPAGE},
        {12, CB_EVENTCOMMANDS}, {1, CB_MONSTERGROUP},   {5, CB_BATTLEEVENTPAGE},
        {2, CB_COMMONEVENT},    {10, CB_EVENTCOMMANDS}, {36, CB_MAPEVENT}};
    for (const auto& [form, format] : forms) {
        const std::string content = SAMPLECONTENT(format);
        std::string bytes{static_cast<char>(form), 1, 0, 3, 4};
        for (int shift = 0; shift < 32; shift += 8) {
            bytes += static_cast<char>((content.size() >> shift) & 0xFF);
        }
        bytes += content + ((form & 3) == 0 ? SAMPLEMAPFILE() : SAMPLEDATABASE());
        seeds.push_back({"form-" + std::to_string(form), bytes});
    }
    return seeds;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: write_seeds FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder / "decode");
    std::filesystem::create_directories(folder / "roundtrip");
    std::filesystem::create_directories(folder / "json");
    std::filesystem::create_directories(folder / "listing");
    std::filesystem::create_directories(folder / "gamefile");
    std::filesystem::create_directories(folder / "po");
    std::filesystem::create_directories(folder / "put");
    int written = 0;
    for (const auto& [format, content] : RICHCONTENTS()) {
        WRITESEEDS(folder, "fixture-" + std::to_string(format), format, content);
        ++written;
    }
    WRITESEEDS(folder, "text", KESTREL::CB_TEXT, std::string("text\0", 5));
    for (const CORPUSFILE& file : CORPUSFILES()) {
        const std::string name = file.path.parent_path().parent_path().filename().string() + "-" +
                                 std::to_string(file.format) + "-" + file.path.filename().string();
        WRITESEEDS(folder, name, static_cast<KESTREL::CLIPBOARDCONTENTTYPE>(file.format),
                   FILEBYTES(file.path));
        ++written;
    }
    WRITESEED(folder / "gamefile" / "sample-map", SAMPLEMAPFILE());
    WRITESEED(folder / "gamefile" / "sample-database", SAMPLEDATABASE());
    WRITESEED(folder / "gamefile" / "sample-tree", SAMPLEMAPTREE());
    written += 3;
    for (const PUTSEED& seed : PUTSEEDS()) {
        WRITESEED(folder / "put" / seed.name, seed.bytes);
        ++written;
    }
    for (std::size_t index = 0; index < std::size(POSEEDS); ++index) {
        WRITESEED(folder / "po" / ("file-" + std::to_string(index)), POSEEDS[index]);
        ++written;
    }
    if (CORPUSFOLDER()) {
        for (const auto& game : std::filesystem::directory_iterator(GAMESFOLDER())) {
            if (!game.is_directory()) continue;
            for (const auto& file : std::filesystem::directory_iterator(game)) {
                WRITESEED(
                    folder / "gamefile" /
                        (game.path().filename().string() + "-" + file.path().filename().string()),
                    FILEBYTES(file.path()));
                ++written;
            }
        }
    }
    std::printf("%d seeds in %s\n", written + 1, folder.c_str());
    return 0;
}
