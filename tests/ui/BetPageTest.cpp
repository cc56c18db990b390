#include "app/BetCommands.h"
#include "app/Session.h"
#include "bets/BetTestRace.h"
#include "jvdata/HrRecord.h"
#include "support/QtApplication.h"
#include "support/StartupFixture.h"
#include "ui/BetGridView.h"
#include "ui/BetPage.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>

namespace zefa {
namespace {

using test::application;

constexpr int kSlot = 0;

// Race on show: axis 3 with partners 1 and 12, 3000 yen split equally; quinella 3-12 was paid.
class BetPageTest : public ::testing::Test, protected test::StartupFixture {
protected:
    void SetUp() override {
        application();
        test::BetTestRace race(12);
        race.axes({3}).partners({1, 12}).paid(HrRecord::PayoutBlock::Quinella, "0312", "000001230");
        Session& s = session();
        s.store.slot(kSlot) = race.records;
        s.analyses[kSlot] = race.analysis;
        s.raceAmountList.assign(kRaceSlots, "3000");
        s.selectedRaceSlot = kSlot;
        kaimeMakeBtnClick(s);
        page = std::make_unique<BetPage>(s);
        page->resize(900, 500);
        page->show();
        QApplication::processEvents();
    }

    BetGridView* grid(const char* name) const { return page->findChild<BetGridView*>(name); }
    QColor background(const char* label) const {
        return page->findChild<QLabel*>(label)->palette().color(QPalette::Window);
    }
    static void click(BetGridView* view, int viewRow, int column) {
        const QPoint at = view->visualRect(view->model()->index(viewRow, column)).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &event);
        }
    }
    static QString text(BetGridView* view, int viewRow, int column) {
        return view->model()->index(viewRow, column).data().toString();
    }

    std::unique_ptr<BetPage> page;
};

TEST_F(BetPageTest, EightTabsOfGridsLaidOutAsTheirBetType) {
    auto* tabs = page->findChild<QTabWidget*>("PageControl4");
    ASSERT_NE(tabs, nullptr);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
    EXPECT_EQ(captions, QString::fromUtf8("単勝 複勝 枠連 馬連 ワイド 馬単 三連複 三連単").split(' '));
    for (const char* name : {"StringGrid3", "StringGrid5", "StringGrid28", "StringGrid30", "StringGrid31",
                             "StringGrid32", "StringGrid33", "StringGrid34"})
        EXPECT_NE(grid(name), nullptr) << name;

    BetGridView* trifecta = grid("StringGrid34");
    EXPECT_EQ(trifecta->model()->columnCount(), 15);
    EXPECT_EQ(trifecta->columnWidth(7), 70);
    EXPECT_TRUE(trifecta->isColumnHidden(5));
    EXPECT_TRUE(grid("StringGrid3")->isColumnHidden(8));
    EXPECT_FALSE(grid("StringGrid3")->isColumnHidden(9));
    EXPECT_EQ(trifecta->model()->headerData(2, Qt::Horizontal).toString(), QString::fromUtf8("買い目"));
    EXPECT_EQ(trifecta->font().family(), "IPAGothic");
    EXPECT_EQ(trifecta->font().pixelSize(), 12);
    EXPECT_TRUE(trifecta->font().bold());
}

TEST_F(BetPageTest, AClickInColumnZeroStrikesTheBetAndRedistributes) {
    BetGridView* quinella = grid("StringGrid30");
    const int stake = betColumn(BetType::Quinella, BetColumn::Stake);
    ASSERT_EQ(text(quinella, 0, 2), " 1- 3");
    ASSERT_EQ(text(quinella, 1, stake), "  1500");

    click(quinella, 0, 0);
    EXPECT_EQ(session().betLists[size_t(BetType::Quinella)].cell(1, BetColumn::Strike), kStrikeMark);
    EXPECT_EQ(text(quinella, 0, 0), QString::fromUtf8("消"));
    EXPECT_EQ(text(quinella, 0, stake), "");
    EXPECT_EQ(text(quinella, 1, stake), "  3000");
    EXPECT_EQ(page->findChild<QLabel*>("URTohyoKingaku")->text(), "  3000");

    click(quinella, 0, 0);
    EXPECT_EQ(text(quinella, 0, 0), "");
    EXPECT_EQ(text(quinella, 0, stake), "  1500");
}

TEST_F(BetPageTest, APaidCombinationIsMagentaAndTheShowingTabsLabelsGreen) {
    BetGridView* quinella = grid("StringGrid30");
    EXPECT_EQ(quinella->model()->index(1, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 255));
    EXPECT_EQ(quinella->model()->index(0, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 255));

    const QColor cream(255, 251, 240), green(0x9B, 0xFC, 0x7A);
    EXPECT_EQ(background("TanTensu"), green);
    EXPECT_EQ(background("URShobuKitaido"), cream);
    page->findChild<QTabWidget*>("PageControl4")->setCurrentIndex(3);
    EXPECT_EQ(background("TanTensu"), cream);
    EXPECT_EQ(background("URShobuKitaido"), green);
}

TEST_F(BetPageTest, AHeaderPressSortsTheGrid) {
    BetGridView* quinella = grid("StringGrid30");
    emit quinella->horizontalHeader()->sectionPressed(2); // 買い目: first press descending
    EXPECT_EQ(text(quinella, 0, 2), " 3-12");
    EXPECT_EQ(text(quinella, 1, 2), " 1- 3");
}

} // namespace
} // namespace zefa
