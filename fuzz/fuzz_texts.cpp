// Bytes as a game file: refused with a GAMEFILEERROR, or its texts are
// gathered, written as PO files that read back, and a translation of every
// text (its letters' case swapped) is either refused or written into bytes
// that read back as a game file whose texts are gathered again.
#include "player_texts.h"
#include "translations.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

void FAIL(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

std::vector<PLAYERTEXT> TEXTSOF(const GAMEFILE& file) {
    if (file.KIND() == GAMEFILEKIND::MAP) return EVENTTEXTS(file, ENTRYKIND::MAPEVENT, 1);
    std::vector<PLAYERTEXT> texts = FIELDTEXTS(file);
    for (const ENTRYKIND kind : {ENTRYKIND::TROOP, ENTRYKIND::COMMONEVENT}) {
        for (PLAYERTEXT& text : EVENTTEXTS(file, kind, 0))
            texts.push_back(std::move(text));
    }
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::unique_ptr<CODEPAGE> codepage = CODEPAGE::OPEN(1252);
    std::optional<GAMEFILE> file;
    std::vector<PLAYERTEXT> texts;
    try {
        file.emplace(BYTESTRING(reinterpret_cast<const char*>(data), size));
        texts = TEXTSOF(*file);
    } catch (const GAMEFILEERROR&) {
        return 0;
    }
    std::vector<std::string> left_out;
    POFILE po = TEXTSPOFILE(texts, *codepage, {}, left_out);
    for (POENTRY& entry : po.messages) {
        entry.msgstr = entry.msgid;
        for (char& character : entry.msgstr) {
            if ((character | 0x20) >= 'a' && (character | 0x20) <= 'z') character ^= 0x20;
        }
    }
    TRANSLATIONS translations("fuzz.po", WRITEPO(po));
    TRANSLATED translated;
    TRANSLATE(file->BYTES(), texts, &translations, nullptr, *codepage, translated);
    if (!translated.errors.empty()) return 0;
    const std::optional<BYTESTRING> bytes = APPLYEDITS(file->BYTES(), translated.edits);
    if (!bytes) FAIL("the translations' edits do not fit the file");
    try {
        if (TEXTSOF(GAMEFILE(*bytes)).size() < texts.size()) FAIL("a translated text is lost");
    } catch (const GAMEFILEERROR&) {
        FAIL("the translated file does not read back");
    }
    return 0;
}
