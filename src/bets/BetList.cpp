#include "bets/BetList.h"

namespace zefa {

std::span<const BetColumnRow> betColumns(BetType type) {
    switch (type) {
    case BetType::Win:
    case BetType::Place: return kSingleColumns;
    case BetType::BracketQuinella: return kBracketPairColumns;
    case BetType::Quinella:
    case BetType::Wide:
    case BetType::Exacta: return kHorsePairColumns;
    case BetType::Trio: return kTrioColumns;
    case BetType::Trifecta: return kTrifectaColumns;
    }
    return kSingleColumns;
}

int betColumn(BetType type, BetColumn role) {
    const auto columns = betColumns(type);
    for (size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].role == role) return int(c);
    }
    return -1;
}

BetList emptyBetList(BetType type) {
    BetList list;
    list.type = type;
    BetRow header;
    for (const BetColumnRow& column : betColumns(type)) header.emplace_back(column.header);
    list.rows.emplace_back(header.size());
    list.rows.insert(list.rows.begin(), std::move(header));
    return list;
}

Rgb betCellBackground(BetType type, int row, int column, bool paid) {
    if (row == 0) return kBetHeaderBackground;
    if (column == betColumn(type, BetColumn::Number)) return kBetNumberBackground;
    if (paid && column == betColumn(type, BetColumn::Combination)) return kBetPaidBackground;
    return kBetCellBackground;
}

} // namespace zefa
