#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace zefa {

// The JV-Data record kinds the program uses, and the predicted-odds line of its own layout.
enum class RecordKind { RA, SE, HR, O1, O2, O3, O4, O5, O6, TC, UM, KS, CH, Yoz };

struct RecordKindRow {
    RecordKind kind;
    std::string_view id; // positions 1..2; empty for the predicted-odds line, which has none
    int length;          // bytes, including the final CR LF
};

inline constexpr std::array<RecordKindRow, 14> kRecordKinds{{
    {RecordKind::RA, "RA", 1272},
    {RecordKind::SE, "SE", 555},
    {RecordKind::HR, "HR", 719},
    {RecordKind::O1, "O1", 962},
    {RecordKind::O2, "O2", 2042},
    {RecordKind::O3, "O3", 2654},
    {RecordKind::O4, "O4", 4031},
    {RecordKind::O5, "O5", 12293},
    {RecordKind::O6, "O6", 83285},
    {RecordKind::TC, "TC", 45},
    {RecordKind::UM, "UM", 1577},
    {RecordKind::KS, "KS", 4173},
    {RecordKind::CH, "CH", 3862},
    {RecordKind::Yoz, "", 1461},
}};

constexpr const RecordKindRow& recordKindRow(RecordKind kind) { return kRecordKinds[static_cast<size_t>(kind)]; }

// Bytes of a record, including its CR LF.
constexpr int recordLength(RecordKind kind) { return recordKindRow(kind).length; }

// Bytes of a stored line: the record without its CR LF.
constexpr int storedLineLength(RecordKind kind) { return recordLength(kind) - 2; }

// The kind named by a record's first two bytes, or nullopt.
std::optional<RecordKind> recordKindOf(std::string_view record);

} // namespace zefa
