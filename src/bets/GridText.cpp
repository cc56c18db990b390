#include "bets/GridText.h"

namespace zefa {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr char kCellSeparator = '\t';

} // namespace

std::string gridToClipboard(const std::vector<std::vector<std::string>>& grid, int firstColumn, int firstRow,
                            std::string_view heading, int lastRow, int lastColumn) {
    if (firstRow < 0 || firstColumn < 0 || firstRow > lastRow || firstColumn > lastColumn ||
        lastRow >= int(grid.size()))
        return {};
    for (int row = firstRow; row <= lastRow; ++row)
        if (lastColumn >= int(grid[size_t(row)].size())) return {};

    std::string text(heading);
    text += kLineEnd;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (column > firstColumn) text += kCellSeparator;
            text += grid[size_t(row)][size_t(column)];
        }
        text += kLineEnd;
    }
    return text;
}

} // namespace zefa
