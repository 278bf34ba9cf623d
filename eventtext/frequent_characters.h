// Characters that make up much of any text in a language: a text decoded with
// the page it was written in holds many of them, one decoded with another
// page few, since the same bytes stand for other, mostly rare, characters
// there. Chosen from general knowledge of how often characters occur, with
// the words of games added.
#ifndef PAGEWRIGHT_EVENTTEXT_FREQUENT_CHARACTERS_H
#define PAGEWRIGHT_EVENTTEXT_FREQUENT_CHARACTERS_H

#include <string_view>

namespace PAGEWRIGHT {

// Chinese in the simplified form (written in GBK, code page 936).
constexpr std::u32string_view FREQUENTSIMPLIFIED =
    U"的了是不在有和就也都还又很吗呢吧啊么着过把被给从对向跟与为因所以而但如果只才再最"
    U"更已经没要会能可该让得地之其这那哪什怎样些个们每我你他她它自己人大家谁王国者勇士"
    U"兵魔神龙妖怪说去来到看想知道做走出进回开关打找用拿买卖死战斗攻击逃跑杀救帮吃喝睡"
    U"住等听见叫问觉学写发现起下上放带时间天年日月方里中前后面东西南北城村门山水火风路"
    U"事情话心手头眼名字钱金剑刀药宝物品店屋书力量生命气血法术技级验值敌友队伍一二三四"
    U"五十百千万两几多少小长高新老好真太非常快装备防御状态复恢存档读取选择确认消结束游"
    U"戏始继续退";

// The same in the traditional form (written in Big5, code page 950).
constexpr std::u32string_view FREQUENTTRADITIONAL =
    U"的了是不在有和就也都還又很嗎呢吧啊麼著過把被給從對向跟與為因所以而但如果只才再最"
    U"更已經沒要會能可該讓得地之其這那哪什怎樣些個們每我你他她它自己人大家誰王國者勇士"
    U"兵魔神龍妖怪說去來到看想知道做走出進回開關打找用拿買賣死戰鬥攻擊逃跑殺救幫吃喝睡"
    U"住等聽見叫問覺學寫發現起下上放帶時間天年日月方裡裏中前後面東西南北城村門山水火風"
    U"路事情話心手頭眼名字錢金劍刀藥寶物品店屋書力量生命氣血法術技級驗值敵友隊伍一二三"
    U"四五十百千萬兩幾多少小長高新老好真太非常快裝備防禦狀態復恢存檔讀取選擇確認消結束"
    U"遊戲始繼續退";

// Hangul syllables (written in code page 949).
constexpr std::u32string_view FREQUENTHANGUL =
    U"이가의는을를에다하고지서기사리니요어한로도아나그수있것들게보내대자해시라면습여오"
    U"주우전무안일제상정만저와과은인적세부소장성원동국용경문신연마위거구스조되비야러데"
    U"음없할했었까네님께너왜뭐좀말생각알모르겠떻때더또잘못계속받공격방템법검물약돈왕";

} // namespace PAGEWRIGHT

#endif
