#include "display/RaceFixture.h"
#include "support/QtApplication.h"
#include "ui/EntryGridView.h"
#include "ui/IndexTableView.h"
#include "ui/RaceHeaderView.h"
#include "ui/ResultsPageView.h"

#include <QImage>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace zefa {
namespace {

using test::RaceFixture;

// The colour painted at the centre of a cell of a grid.
QColor paintedAt(QTableWidget& grid, int row, int column) {
    const QImage image = grid.viewport()->grab().toImage();
    const QRect cell = grid.visualRect(grid.model()->index(row, column));
    return image.pixelColor(cell.left() + 3, cell.top() + 3);
}

TEST(DisplayViewsTest, IndexTableSortsByTheButtonsAndCopies) {
    test::application();
    RaceFixture race(3);
    race.analysis.TenkaiRank = {0, 2, 0, 1};
    IndexTableView view;
    view.resize(900, 200);
    view.showTable(indexTable(race.slot(), race.analysis), {});
    auto* grid = view.findChild<QTableWidget*>("StringGrid26");
    ASSERT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->item(1, 1)->text(), " 1");
    for (QToolButton* button : view.findChildren<QToolButton*>())
        if (button->text() == QString::fromUtf8("展開値")) button->click();
    EXPECT_EQ(view.sort(), IndexSort::TenkaiValue);
    EXPECT_EQ(grid->item(1, 1)->text(), " 3");
    EXPECT_EQ(grid->item(3, 1)->text(), " 2");
    QString copied;
    QObject::connect(&view, &IndexTableView::copyRequested, [&](const QString& text) { copied = text; });
    view.findChild<QToolButton*>("ClipBtn1")->click();
    EXPECT_TRUE(copied.contains(QString::fromUtf8("枠番\t馬番")));
    view.show();
    EXPECT_EQ(paintedAt(*grid, 1, 0), QColor(255, 0, 0)); // horse 3 in bracket 3
}

TEST(DisplayViewsTest, EntryGridPaintsTrackedRunnersAndRebuildsOnAFilter) {
    test::application();
    RaceFixture race(8);
    race.analysis.TrackedFlag[2] = 1;
    EntryGridView view;
    view.resize(1000, 700);
    int builds = 0;
    view.showGrid([&](const EntryFilters& filters) {
        ++builds;
        return entryGrid(race.slot(), race.analysis, filters);
    });
    auto* grid = view.findChild<QTableWidget*>("StringGrid2");
    ASSERT_EQ(grid->rowCount(), 9);
    EXPECT_EQ(grid->rowHeight(1), kEntryRowHeight);
    view.show();
    EXPECT_EQ(paintedAt(*grid, 2, 1), QColor(255, 0, 0));
    for (QToolButton* button : view.findChildren<QToolButton*>())
        if (button->text() == QString::fromUtf8("ﾀﾞｰﾄ")) button->click();
    EXPECT_EQ(builds, 2);
    EXPECT_EQ(view.filters().surface, SurfaceFilter::Dirt);
}

TEST(DisplayViewsTest, HeaderLabelsAreFilledByName) {
    test::application();
    RaceFixture race;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    for (const char* name : {"Label1", "TFWtimeAsaLabel", "Panel3"}) {
        auto* label = new QLabel;
        label->setObjectName(name);
        layout->addWidget(label);
    }
    race.analysis.AsaMissing = 1;
    showRaceHeader(window, raceHeader(race.slot(), race.analysis, {}, 0));
    EXPECT_TRUE(window.findChild<QLabel*>("Label1")->text().startsWith(QString::fromUtf8("2024年01月06日(土)東京")));
    EXPECT_TRUE(window.findChild<QLabel*>("TFWtimeAsaLabel")->styleSheet().contains("rgb(0, 255, 255)"));
}

TEST(DisplayViewsTest, ResultsPageShowsItsLines) {
    test::application();
    PayoutSummaryEntry payouts;
    payouts.rows[size_t(BetType::Wide)] = {{0, " 3- 5", 2, 250}};
    ResultsPageView view;
    view.showResults(resultsPage(payouts));
    EXPECT_EQ(view.line(BetType::Wide, 0)[0]->text(), " 3- 5");
    EXPECT_EQ(view.line(BetType::Wide, 0)[2]->text(), "     250");
    EXPECT_EQ(view.line(BetType::Wide, 1)[0]->text(), "");
}

} // namespace
} // namespace zefa
