#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zefa {

inline constexpr int kMaxHorses = 18;
inline constexpr int kBrackets = 8;

// The eight JRA bet types. Between the bet steps they travel by their Japanese names (betTypeName).
enum class BetType { Win, Place, BracketQuinella, Quinella, Wide, Exacta, Trio, Trifecta };

// How the numbers of a combination are written, which is also what makes one valid.
enum class ComboOrder {
    Ascending,        // unordered, all different, lowest first
    AscendingOrEqual, // unordered, one number may repeat (a bracket pair such as 3-3), lowest first
    Finishing,        // in finishing order, all different
};

struct BetTypeRow {
    BetType type;
    std::string_view name;   // UTF-8; betTypeName gives it in CP932
    std::string_view prefix; // the short name in settings keys and control names
    int size;                // numbers in one combination
    int highest;             // numbers run 1..highest: horses, or brackets for the bracket quinella
    ComboOrder order;
    int combinations;        // ordinals run 1..combinations
};

inline constexpr std::array<BetTypeRow, 8> kBetTypes{{
    {BetType::Win, "単勝", "Tan", 1, kMaxHorses, ComboOrder::Ascending, 18},
    {BetType::Place, "複勝", "Fuk", 1, kMaxHorses, ComboOrder::Ascending, 18},
    {BetType::BracketQuinella, "枠連", "WR", 2, kBrackets, ComboOrder::AscendingOrEqual, 36},
    {BetType::Quinella, "馬連", "UR", 2, kMaxHorses, ComboOrder::Ascending, 153},
    {BetType::Wide, "ワイド", "WD", 2, kMaxHorses, ComboOrder::Ascending, 153},
    {BetType::Exacta, "馬単", "UT", 2, kMaxHorses, ComboOrder::Finishing, 306},
    {BetType::Trio, "３連複", "SRF", 3, kMaxHorses, ComboOrder::Ascending, 816},
    {BetType::Trifecta, "３連単", "SRT", 3, kMaxHorses, ComboOrder::Finishing, 4896},
}};

constexpr const BetTypeRow& betTypeRow(BetType type) { return kBetTypes[static_cast<size_t>(type)]; }

// The bet type's name in CP932 ("馬連"), as the bet steps pass and match it.
const std::string& betTypeName(BetType type);

// The bet type of a CP932 name, matched exactly; nullopt for any other text.
std::optional<BetType> betTypeOfName(std::string_view name);

} // namespace zefa
