#include "bets/BetList.h"

#include "jvdata/RecordView.h"

#include <charconv>

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

// Written and read without the C locale, which a desktop program may set to use decimal commas.
std::string decimalText(double value, int width, int decimals) {
    char buffer[400]; // room for any double in fixed notation
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
    std::string text(buffer, end);
    if (int(text.size()) < width) text.insert(0, size_t(width) - text.size(), ' ');
    return text;
}

bool blankCell(std::string_view text) { return trimmed(text).empty(); }

double cellValue(std::string_view text) {
    const std::string_view number = trimmed(text);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    return result.ec == std::errc() ? value : 0;
}

bool BetList::eligible(int row) const {
    return !blankCell(cell(row, BetColumn::Number)) && !struck(row) && !blankCell(cell(row, BetColumn::Odds));
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
