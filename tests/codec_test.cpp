#include "codec/chunk_reader.h"
#include "hex.h"
#include "numbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

using namespace KESTREL;

namespace {

std::string NUMBERCHUNK(std::int32_t value, std::uint8_t with_length, std::int32_t id) {
    BYTESTRING out;
    APPENDNUMBERCHUNK(out, value, with_length, id);
    return TOHEX(out);
}

std::string DATACHUNK(const std::string& data, std::uint8_t with_length, std::int32_t id) {
    BYTESTRING out;
    APPENDDATACHUNK(out, data, with_length, id);
    return TOHEX(out);
}

std::int32_t READNUMBERFROM(const std::string& bytes, std::int64_t* position = nullptr) {
    CHUNKREADER reader(bytes);
    const std::int32_t value = reader.NUMBER();
    if (position) *position = reader.POSITION();
    return value;
}

} // namespace

TEST(Numbers, EncodeInTheEditorsForm) {
    EXPECT_EQ(TOHEX(ENCODENUMBER(0)), "00");
    EXPECT_EQ(TOHEX(ENCODENUMBER(127)), "7F");
    EXPECT_EQ(TOHEX(ENCODENUMBER(128)), "81 00");
    EXPECT_EQ(TOHEX(ENCODENUMBER(300)), "82 2C");
    EXPECT_EQ(TOHEX(ENCODENUMBER(10005)), "CE 15");
    EXPECT_EQ(TOHEX(ENCODENUMBER(11330)), "D8 42");
    EXPECT_EQ(TOHEX(ENCODENUMBER(16384)), "81 80 00");
    EXPECT_EQ(TOHEX(ENCODENUMBER(INT_MAX)), "87 FF FF FF 7F");
    EXPECT_EQ(TOHEX(ENCODENUMBER(-1)), "8F FF FF FF 7F");
    EXPECT_EQ(TOHEX(ENCODENUMBER(-5)), "8F FF FF FF 7B");
    EXPECT_EQ(TOHEX(ENCODENUMBER(INT_MIN)), "88 80 80 80 00");
}

TEST(Numbers, TheTenByteFormOfNegativeNumbersStillReads) {
    std::int64_t position = 0;
    EXPECT_EQ(READNUMBERFROM(HEX("81 FF FF FF FF FF FF FF FF 7F"), &position), -1);
    EXPECT_EQ(position, 10);
    EXPECT_EQ(READNUMBERFROM(HEX("81 FF FF FF FF F8 80 80 80 00")), INT_MIN);
}

TEST(Numbers, EveryValueRoundTripsInItsSize) {
    std::vector<std::int32_t> values = {0, 1, -1, INT_MAX, INT_MIN};
    for (int bits = 7; bits < 32; bits += 7) {
        const std::int64_t edge = std::int64_t{1} << bits;
        for (const std::int64_t value : {edge - 1, edge, -edge, -edge - 1}) {
            values.push_back(static_cast<std::int32_t>(value));
        }
    }
    std::mt19937 random(2026);
    for (int i = 0; i < 20000; ++i)
        values.push_back(static_cast<std::int32_t>(random()));

    for (const std::int32_t value : values) {
        const BYTESTRING encoded = ENCODENUMBER(value);
        std::size_t size = 1;
        for (auto rest = static_cast<std::uint32_t>(value) >> 7; rest != 0; rest >>= 7)
            ++size;
        ASSERT_EQ(encoded.size(), size) << value;
        ASSERT_EQ(encoded.size() == 5, value < 0 || value > 268435455) << value;
        std::int64_t position = 0;
        ASSERT_EQ(READNUMBERFROM(encoded + "junk", &position), value);
        ASSERT_EQ(position, static_cast<std::int64_t>(size));
    }
}

TEST(Numbers, ChooseStringPicksByFlag) {
    EXPECT_EQ(CHOOSESTRING(1, "", "text"), "");
    EXPECT_EQ(CHOOSESTRING(0, "", "text"), "text");
}

TEST(Chunks, TheThreeShapes) {
    EXPECT_EQ(NUMBERCHUNK(300, WITHLENGTH, 22), "16 02 82 2C");
    EXPECT_EQ(NUMBERCHUNK(5, WITHLENGTH, 22), "16 01 05");
    EXPECT_EQ(NUMBERCHUNK(-1, WITHLENGTH, 1), "01 05 8F FF FF FF 7F");
    EXPECT_EQ(NUMBERCHUNK(0, NOLENGTH, NOID), "00");
    EXPECT_EQ(NUMBERCHUNK(200, WITHLENGTH, NOID), "02 81 48");
    EXPECT_EQ(DATACHUNK("", WITHLENGTH, 21), "15 00");
    EXPECT_EQ(DATACHUNK("", NOLENGTH, NOID), "");
    EXPECT_EQ(DATACHUNK(std::string("a\0b", 3), WITHLENGTH, NOID), "03 61 00 62");
    EXPECT_EQ(DATACHUNK(std::string(200, 'x'), WITHLENGTH, 300).substr(0, 11), "82 2C 81 48");
}

TEST(Chunks, BytesAndLongs) {
    BYTESTRING out;
    APPENDBYTE(out, 0x1FF);
    APPENDLONG(out, 4660);
    APPENDLONG(out, -2);
    EXPECT_EQ(TOHEX(out), "FF 34 12 00 00 FE FF FF FF");
    CHUNKREADER reader(out);
    EXPECT_EQ(reader.BYTE(), 0xFF);
    EXPECT_EQ(reader.LONG(), 4660);
    EXPECT_EQ(reader.LONG(), -2);
}

TEST(StreamEnd, NumbersAreClosedByAVirtualZero) {
    const std::string data = HEX("05");
    CHUNKREADER reader(data);
    EXPECT_EQ(reader.NUMBER(), 5);
    EXPECT_EQ(reader.POSITION(), 1);
    EXPECT_EQ(reader.NUMBER(), 0);
    EXPECT_EQ(reader.POSITION(), 2);

    std::int64_t position = 0;
    EXPECT_EQ(READNUMBERFROM(HEX("81"), &position), 128);
    EXPECT_EQ(position, 2);

    // A number that never ends in the data costs one pass over it.
    EXPECT_EQ(READNUMBERFROM(std::string(100000, '\x80'), &position), 0);
    EXPECT_EQ(position, 100001);
}

TEST(StreamEnd, BytesAndLongsReadAsZeroAndStillAdvance) {
    const std::string data = HEX("34 12 00");
    CHUNKREADER reader(data);
    EXPECT_EQ(reader.READABLE(), 3);
    EXPECT_EQ(reader.LONG(), 0);
    EXPECT_EQ(reader.POSITION(), 4);
    EXPECT_EQ(reader.READABLE(), 0);
    EXPECT_EQ(reader.BYTE(), 0);
    EXPECT_EQ(reader.POSITION(), 5);

    CHUNKREADER again(data);
    again.BYTES(2);
    EXPECT_EQ(again.BYTE(), 0x00);
    EXPECT_EQ(again.POSITION(), 3);
    EXPECT_EQ(again.BYTE(), 0);
    EXPECT_EQ(again.POSITION(), 4);

    const std::string one = HEX("07");
    CHUNKREADER single(one);
    EXPECT_EQ(single.READABLE(), 1);
    single.BYTE();
    EXPECT_EQ(single.READABLE(), 0);
}

TEST(StreamEnd, ReadBytesReturnsWhatIsThere) {
    const std::string data = HEX("01 02 03 04");
    CHUNKREADER reader(data);
    reader.BYTES(2);
    EXPECT_EQ(TOHEX(std::string(reader.BYTES(5))), "03 04");
    EXPECT_EQ(reader.POSITION(), 7);
    EXPECT_EQ(reader.BYTES(3), "");
    EXPECT_EQ(reader.POSITION(), 10);

    CHUNKREADER again(data);
    again.BYTE();
    EXPECT_EQ(again.BYTES(0), "");
    EXPECT_EQ(again.POSITION(), 1);
    EXPECT_EQ(again.READABLE(), 3);
}

TEST(StreamEnd, ANegativeCountEndsTheDataWithoutMovingBack) {
    const std::string data = HEX("01 02 03 04");
    CHUNKREADER reader(data);
    reader.BYTE();
    EXPECT_EQ(reader.BYTES(-1), "");
    EXPECT_EQ(reader.POSITION(), 4);
    EXPECT_EQ(reader.READABLE(), 0);

    CHUNKREADER past(data);
    past.BYTES(9);
    EXPECT_EQ(past.BYTES(INT_MIN), "");
    EXPECT_EQ(past.POSITION(), 9);
}

TEST(StreamEnd, ThePositionNeverWraps) {
    const std::string data = HEX("01");
    CHUNKREADER reader(data);
    std::int64_t last = 0;
    for (int i = 0; i < 8; ++i) {
        reader.BYTES(INT_MAX);
        ASSERT_GT(reader.POSITION(), last);
        last = reader.POSITION();
    }
    EXPECT_EQ(last, std::int64_t{INT_MAX} * 8);
    EXPECT_EQ(reader.BYTE(), 0);
    EXPECT_EQ(reader.NUMBER(), 0);
}
