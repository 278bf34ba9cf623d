// The code page of a game found from its texts and its RPG_RT.ini.
#include "game_ini.h"

#include <gtest/gtest.h>

using namespace PAGEWRIGHT;

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
