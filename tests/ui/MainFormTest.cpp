#include "app/Session.h"
#include "store/StoredLines.h"
#include "store/TextLines.h"
#include "store/WholeFile.h"
#include "support/RecordBuilder.h"
#include "support/StartupFixture.h"
#include "support/QtApplication.h"
#include "ui/TMainForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMenuBar>
#include <QTabWidget>

namespace zefa {
namespace {

using test::application;

class MainFormTest : public ::testing::Test, protected test::StartupFixture {
protected:
    void SetUp() override { application(); }
};

TEST_F(MainFormTest, OpensAtTheStoredPlaceAndKeepsItsPlaceWhenClosed) {
    saveFileWhole(home() / "zefa.ini", "[locate]\r\ntop=20\r\nleft=30\r\n");
    TMainForm window(session());
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(30, 20));
    EXPECT_EQ(window.size(), QSize(1200, 800));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("ゼファ式オッズ投資法[展開編] "));

    window.move(50, 60);
    window.resize(1000, 700);
    window.close();
    EXPECT_EQ(readFileIfExists(home() / "zefa.ini"), "[locate]\r\ntop=60\r\nleft=50\r\nwidth=1000\r\nheight=700\r\n");
}

TEST_F(MainFormTest, ShowsTheStoredDaysNewestFirstWithNoneSelected) {
    std::filesystem::create_directories(home() / "Data");
    for (const char* name : {"2023年12月30日.jvRA", "2024年01月06日.jvRA"}) saveFileWhole(home() / "Data" / name, "");
    TMainForm window(session());
    const auto* days = window.findChild<QComboBox*>("DateCombo");
    ASSERT_NE(days, nullptr);
    ASSERT_EQ(days->count(), 2);
    EXPECT_EQ(days->itemText(0), QString::fromUtf8("2024年01月06日"));
    EXPECT_EQ(days->currentIndex(), -1);
    EXPECT_TRUE(window.findChild<QTabWidget*>("PageControl1")->isHidden()); // until a race is shown
}

TEST_F(MainFormTest, PickingADayListsItsRaces) {
    std::filesystem::create_directories(home() / "Data");
    std::vector<std::string> races;
    for (const char* key : {"2024010606010101", "2024010606010102", "2024010608010101"})
        races.push_back(normalised(test::LineBuilder(RecordKind::RA).raceKey(key)));
    saveLines(home() / "Data" / "2024年01月06日.jvRA", races);
    TMainForm window(session());
    ASSERT_TRUE(window.chooseDay(QString::fromUtf8("2024年01月06日")));
    const auto* list = window.findChild<QListWidget*>("DatList");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), QString::fromUtf8("京都 1R"));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(window.chooseRace(2));
    EXPECT_EQ(session().selectedRaceSlot, 2);
    EXPECT_FALSE(window.chooseDay(QString::fromUtf8("2024年01月07日")));
}

TEST_F(MainFormTest, HasTheMenusOfTheMainWindow) {
    TMainForm window(session());
    QStringList visible;
    for (QAction* menu : window.menuBar()->actions())
        if (menu->isVisible()) visible << menu->text();
    EXPECT_EQ(visible, (QStringList{QString::fromUtf8("ﾌｧｲﾙ(&F)"), QString::fromUtf8("ｵﾌﾟｼｮﾝ(&O)"), QString::fromUtf8("資料"),
                                    QString::fromUtf8("ﾌｫﾙﾀﾞ指定(&F)"), QString::fromUtf8("ﾍﾙﾌﾟ(&H)")}));
}

} // namespace
} // namespace zefa
