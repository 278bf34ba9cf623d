// The reader's runs and chunks: in zero-filled data a run ends the loop over
// its items and no read; where overruns fault, reads keep inside the run and
// what passes its end is refused where it began.
#include "codec/chunk_reader.h"
#include "hex.h"

#include <gtest/gtest.h>

using namespace KESTREL;

namespace {

template <typename READ> std::string REFUSAL(READ read) {
    try {
        read();
    } catch (const DATAERROR& error) {
        return (error.fault == OVERRUN::CUTSHORT ? "cut short at byte " : "damaged at byte ") +
               std::to_string(error.position);
    }
    return "nothing refused";
}

std::string CHUNKLISTREFUSAL(const std::string& data, SPAN span) {
    return REFUSAL([&] {
        CHUNKREADER reader(data, span, OVERRUN::DAMAGED);
        for (CHUNK chunk; reader.NEXTCHUNK(chunk);)
            reader.SKIP(chunk);
    });
}

} // namespace

TEST(ChunkReader, AChunkSaysWhereItsHeaderAndPayloadLie) {
    // Two bytes before the span, then chunk 5 "ab", chunk 128 holding 7, id 0.
    const std::string data = HEX("FF FF 05 02 61 62 81 00 01 07 00");
    CHUNKREADER reader(data, SPAN{2, 9}, OVERRUN::DAMAGED);
    CHUNK chunk;
    ASSERT_TRUE(reader.NEXTCHUNK(chunk));
    EXPECT_EQ(chunk.id, 5);
    EXPECT_EQ(chunk.header, 2);
    EXPECT_EQ(chunk.payload, 4);
    EXPECT_EQ(chunk.length, 2);
    reader.SKIP(chunk);
    ASSERT_TRUE(reader.NEXTCHUNK(chunk));
    EXPECT_EQ(chunk.id, 128);
    EXPECT_EQ(chunk.header, 6);
    EXPECT_EQ(reader.NUMBER(), 7);
    reader.SKIP(chunk);
    EXPECT_FALSE(reader.NEXTCHUNK(chunk));
    EXPECT_EQ(reader.POSITION(), 11);
}

TEST(ChunkReader, InZeroFilledDataARunEndsItsItemsButNotTheirReads) {
    const std::string data = HEX("01 02 03 04 05");
    CHUNKREADER reader(data);
    {
        const RUN outer(reader, 4);
        {
            const RUN inner(reader, 1);
            reader.BYTES(2);
            EXPECT_FALSE(reader.MORE());
            const RUN page(reader);
            EXPECT_TRUE(reader.MORE());
        }
        EXPECT_TRUE(reader.MORE());
        reader.BYTES(2);
        EXPECT_FALSE(reader.MORE());
        CHUNK chunk;
        EXPECT_FALSE(reader.NEXTCHUNK(chunk));
        EXPECT_EQ(reader.POSITION(), 4);
    }
    const RUN negative(reader, -1);
    EXPECT_EQ(reader.POSITION(), 5);
}

TEST(ChunkReader, WhereOverrunsFaultTheyAreRefusedWhereTheReadBegan) {
    const std::string data = HEX("FF 03 02 61 81");
    EXPECT_EQ(CHUNKLISTREFUSAL(data, SPAN{1, 3}), "damaged at byte 1");
    EXPECT_EQ(REFUSAL([&] {
                  CHUNKREADER(data, SPAN{4, 1}, OVERRUN::CUTSHORT).NUMBER();
              }),
              "cut short at byte 4");
    EXPECT_EQ(REFUSAL([&] {
                  CHUNKREADER reader(data, SPAN{1, 4}, OVERRUN::DAMAGED);
                  const RUN run(reader, 2);
                  reader.BYTE();
                  reader.BYTES(2);
              }),
              "damaged at byte 2");
    // A chunk list that its run ends without chunk id 0, a count beyond the
    // bytes left and a length below zero.
    const std::string open = HEX("05 00 04 8F FF FF FF 7F");
    EXPECT_EQ(CHUNKLISTREFUSAL(open, SPAN{0, 2}), "damaged at byte 2");
    EXPECT_EQ(REFUSAL([&] {
                  CHUNKREADER(open, SPAN{2, 6}, OVERRUN::DAMAGED).COUNT(2);
              }),
              "damaged at byte 2");
    EXPECT_EQ(REFUSAL([&] {
                  CHUNKREADER(open, SPAN{3, 5}, OVERRUN::DAMAGED).LENGTH();
              }),
              "damaged at byte 3");
}
