#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// GridToClipboard: the heading, CR LF, then the grid's rows firstRow..lastRow, each its cells
// firstColumn..lastColumn joined by TAB and ended by CR LF. An empty rectangle, or one reaching
// outside the grid, gives an empty text.
std::string gridToClipboard(const std::vector<std::vector<std::string>>& grid, int firstColumn, int firstRow,
                            std::string_view heading, int lastRow, int lastColumn);

} // namespace zefa
