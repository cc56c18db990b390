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
// Names with their readings in half-width katakana.
struct Reading {
    std::string_view name;
    std::string_view kana;
};
constexpr std::array<Reading, 24> kSurnames{{
    {"佐藤", "ｻﾄｳ"}, {"鈴木", "ｽｽﾞｷ"}, {"高橋", "ﾀｶﾊｼ"}, {"田中", "ﾀﾅｶ"}, {"伊藤", "ｲﾄｳ"}, {"渡辺", "ﾜﾀﾅﾍﾞ"},
    {"山本", "ﾔﾏﾓﾄ"}, {"中村", "ﾅｶﾑﾗ"}, {"小林", "ｺﾊﾞﾔｼ"}, {"加藤", "ｶﾄｳ"}, {"吉田", "ﾖｼﾀﾞ"}, {"山田", "ﾔﾏﾀﾞ"},
    {"松本", "ﾏﾂﾓﾄ"}, {"井上", "ｲﾉｳｴ"}, {"木村", "ｷﾑﾗ"}, {"林", "ﾊﾔｼ"}, {"清水", "ｼﾐｽﾞ"}, {"山崎", "ﾔﾏｻﾞｷ"},
    {"森", "ﾓﾘ"}, {"池田", "ｲｹﾀﾞ"}, {"橋本", "ﾊｼﾓﾄ"}, {"石川", "ｲｼｶﾜ"}, {"前田", "ﾏｴﾀﾞ"}, {"藤田", "ﾌｼﾞﾀ"}}};
constexpr std::array<Reading, 16> kGivenNames{{
    {"一郎", "ｲﾁﾛｳ"}, {"健太", "ｹﾝﾀ"}, {"翔", "ｼｮｳ"}, {"大輔", "ﾀﾞｲｽｹ"}, {"拓也", "ﾀｸﾔ"}, {"誠", "ﾏｺﾄ"},
    {"浩二", "ｺｳｼﾞ"}, {"隆", "ﾀｶｼ"}, {"裕介", "ﾕｳｽｹ"}, {"亮", "ﾘｮｳ"}, {"美咲", "ﾐｻｷ"}, {"直樹", "ﾅｵｷ"},
    {"優", "ﾕｳ"}, {"勝己", "ｶﾂﾐ"}, {"真司", "ｼﾝｼﾞ"}, {"修", "ｵｻﾑ"}}};
constexpr std::array<std::string_view, 6> kBreeders{"北斗ファーム", "日高牧場", "静内スタッド", "浦河育成牧場", "門別ファーム", "安平牧場"};
constexpr std::array<std::string_view, 6> kBirthplaces{"日高町", "新ひだか町", "浦河町", "安平町", "新冠町", "千歳市"};
constexpr std::array<std::string_view, 6> kOwners{"北斗レーシング", "青空ホールディングス", "星野興産", "海原商事", "若葉クラブ", "東雲物産"};
constexpr std::array<std::string_view, 16> kTitles{"葉牡丹", "師走", "冬至", "霜月", "銀嶺", "北斗", "寒椿", "朱雀",
                                                   "白秋", "紅梅", "若潮", "鳴門", "舞子", "春望", "初富士", "睦月"};

template <class T, size_t N>
const T& pick(SampleRandom& random, const std::array<T, N>& list) {
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
        const std::string_view s = pick(random, kSyllables);
        if (characters == 0 && (s == "ン" || s == "ー")) continue; // no name begins so
        name += s;
        ++characters;
    }
    return name;
}

PersonName personName(SampleRandom& random) {
    const Reading& surname = pick(random, kSurnames);
    const Reading& given = pick(random, kGivenNames);
    return {std::string(surname.name) + "　" + std::string(given.name), std::string(surname.name),
            std::string(surname.kana) + " " + std::string(given.kana)};
}

HorseOrigin horseOrigin(SampleRandom& random) {
    return {std::string(pick(random, kBreeders)), std::string(pick(random, kBirthplaces)), std::string(pick(random, kOwners))};
}

std::string raceTitle(SampleRandom& random) { return std::string(pick(random, kTitles)); }

} // namespace zefa
