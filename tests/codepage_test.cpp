// Code pages, and the names that the JSON form keeps as bytes because their
// text would not give them back.
#include "json_trees.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

using namespace KESTREL;
using namespace PAGEWRIGHT;

namespace {

struct SAMPLE {
    std::uint32_t codepage;
    std::string bytes;
    std::string text;
};

} // namespace

TEST(CodePages, EachListedOneConvertsBothWays) {
    // Characters from the part of each table that is the code page's own.
    const SAMPLE samples[] = {
        {874, "\xA1\xD2", "กา"},                     // Thai
        {932, "\x93\xFA\x96\x7B\x8C\xEA", "日本語"}, // Japanese
        {936, "\xD6\xD0\xCE\xC4", "中文"},           // simplified Chinese
        {949, "\xC7\xD1\xB1\xB9", "한국"},           // Korean
        {950, "\xA4\xA4\xA4\xE5", "中文"},           // traditional Chinese
        {1250, "\xF8\x9A", "řš"},                    // Central European
        {1251, "\xC6\xE0", "Жа"},                    // Cyrillic
        {1252, "\xE9\x80", "é€"},                    // Western
        {1253, "\xC1\xE8", "Αθ"},                    // Greek
        {1254, "\xD0\xFD", "Ğı"},                    // Turkish
        {1255, "\xE0\xE1", "אב"},                    // Hebrew
        {1256, "\xC7\xE1", "ال"},                    // Arabic
        {1257, "\xC0\xE0", "Ąą"},                    // Baltic
        {1258, "\xC3\xD0", "ĂĐ"},                    // Vietnamese
    };
    for (const std::uint32_t number : CODEPAGES) {
        const SAMPLE* sample = std::find_if(std::begin(samples), std::end(samples),
                                            [&](const SAMPLE& s) { return s.codepage == number; });
        ASSERT_NE(sample, std::end(samples)) << "no sample of " << number;
        const std::unique_ptr<CODEPAGE> codepage = CODEPAGE::OPEN(number);
        ASSERT_TRUE(codepage) << number;
        std::string converted;
        ASSERT_TRUE(codepage->TOUTF8(sample->bytes, converted)) << number;
        EXPECT_EQ(converted, sample->text) << number;
        ASSERT_TRUE(codepage->FROMUTF8(sample->text, converted)) << number;
        EXPECT_EQ(converted, sample->bytes) << number;
    }
}

TEST(CodePages, OnlyWindowsAnsiCodePagesOpen) {
    for (const std::uint32_t number : {0u, 437u, 20127u, 65001u})
        EXPECT_FALSE(CODEPAGE::OPEN(number)) << number;
}

// The name of a map event exported in the code page, and the value the JSON
// form gives it; the import must give back the bytes.
TEST(BytesForm, NamesWhoseTextDoesNotGiveThemBackAreWrittenAsBytes) {
    const SAMPLE samples[] = {
        {1252, "Gate \xE9", R"("Gate é")"},
        {1252, "\x81", R"({"bytes":"81"})"},      // no character in 1252
        {1252, "a\x9D", R"({"bytes":"619d"})"},   // no character in 1252
        {932, "\x93\xFA", R"("日")"},             //
        {932, "\x93", R"({"bytes":"93"})"},       // a lead byte alone
        {932, "\xF0\x40", R"({"bytes":"f040"})"}, // reserved for the user
        {932, "\xED\x40", R"({"bytes":"ed40"})"}, // another code gives its character
        {1251, "\x98", R"({"bytes":"98"})"},      // no character in 1251
        {1250, "\xE9t\xE9", R"("été")"},          //
    };
    for (const SAMPLE& sample : samples) {
        EVENTTREE event = EVENTWITHPAGES(0);
        event->name = COPYNAME(sample.bytes);
        const std::string json = EXPORT(event.get(), CB_MAPEVENT, sample.codepage);
        EXPECT_NE(json.find("\"name\": " + sample.text + "\n"), std::string::npos)
            << sample.codepage << ": " << json;
        EXPECT_STREQ(IMPORT(json, sample.codepage).tree->name, sample.bytes.c_str())
            << sample.codepage;
    }
}
