#include "sample/SampleNames.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zefa {
namespace {

constexpr std::array<std::string_view, 40> kSyllables{
    "ア", "イ", "ウ", "エ", "オ", "カ", "キ", "ク", "サ", "シ", "ス", "セ", "タ", "チ", "テ", "ト", "ナ", "ニ", "ノ", "ハ",
    "ヒ", "フ", "マ", "ミ", "ム", "メ", "モ", "ヤ", "ユ", "ラ", "リ", "ル", "レ", "ロ", "ワ", "ン", "ー", "ド", "ブ", "ジ"};
constexpr std::array<std::string_view, 12> kPrefixes{"サクラ", "マチカネ", "メイショウ", "エイシン", "ダイワ", "トウカイ",
                                                     "ゴールド", "シルバー", "キング", "ビッグ", "ミスター", "アドマイヤ"};
constexpr std::array<std::string_view, 24> kSurnames{"佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "山本", "中村",
                                                     "小林", "加藤", "吉田", "山田", "松本", "井上", "木村", "林",
                                                     "清水", "山崎", "森", "池田", "橋本", "石川", "前田", "藤田"};
constexpr std::array<std::string_view, 16> kGivenNames{"一郎", "健太", "翔", "大輔", "拓也", "誠", "浩二", "隆",
                                                       "裕介", "亮", "美咲", "直樹", "優", "勝己", "真司", "修"};
constexpr std::array<std::string_view, 16> kTitles{"葉牡丹", "師走", "冬至", "霜月", "銀嶺", "北斗", "寒椿", "朱雀",
                                                   "白秋", "紅梅", "若潮", "鳴門", "舞子", "春望", "初富士", "睦月"};

template <size_t N>
std::string_view pick(SampleRandom& random, const std::array<std::string_view, N>& list) {
    return list[size_t(random.between(0, int(N) - 1))];
}

} // namespace

std::string horseName(SampleRandom& random) {
    std::string name;
    int characters = 0;
    if (random.chance(0.25)) {
        name = pick(random, kPrefixes);
        characters = int(name.size() / 3); // every katakana is three UTF-8 bytes
    }
    const int wanted = std::min(9, characters + random.between(3, 6));
    while (characters < wanted) {
        std::string_view s = pick(random, kSyllables);
        if (characters == 0 && (s == "ン" || s == "ー")) continue; // no name begins so
        name += s;
        ++characters;
    }
    return name;
}

PersonName personName(SampleRandom& random) {
    const std::string surname(pick(random, kSurnames));
    return {surname + "　" + std::string(pick(random, kGivenNames)), surname};
}

std::string raceTitle(SampleRandom& random) { return std::string(pick(random, kTitles)); }

} // namespace zefa
