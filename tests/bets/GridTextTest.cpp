#include "bets/GridText.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

const std::vector<std::vector<std::string>> kGrid{{"a", "b", "c"}, {"1", "", "3"}, {"x", "y", "z"}};

TEST(GridToClipboard, JoinsCellsByTabAndRowsByCrLf) {
    EXPECT_EQ(gridToClipboard(kGrid, 0, 0, "heading", 2, 2), "heading\r\na\tb\tc\r\n1\t\t3\r\nx\ty\tz\r\n");
    EXPECT_EQ(gridToClipboard(kGrid, 1, 1, "", 1, 2), "\r\n\t3\r\n");
}

TEST(GridToClipboard, AnEmptyOrOutOfRangeRectangleGivesAnEmptyText) {
    EXPECT_EQ(gridToClipboard(kGrid, 0, 2, "h", 1, 2), "");
    EXPECT_EQ(gridToClipboard(kGrid, 0, 0, "h", 3, 2), "");
    EXPECT_EQ(gridToClipboard(kGrid, 0, 0, "h", 2, 3), "");
    EXPECT_EQ(gridToClipboard(kGrid, -1, 0, "h", 2, 2), "");
    EXPECT_EQ(gridToClipboard({}, 0, 0, "h", 0, 0), "");
}

} // namespace
} // namespace zefa
