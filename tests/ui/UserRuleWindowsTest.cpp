#include "app/Session.h"
#include "app/Startup.h"
#include "support/QtApplication.h"
#include "support/StartupFixture.h"
#include "ui/TKaimeSetInputForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QSpinBox>
#include <QTableWidget>
#include <QKeyEvent>

namespace zefa {
namespace {

using test::application;

class UserRuleWindowsTest : public ::testing::Test, protected test::StartupFixture {
protected:
    void SetUp() override {
        application();
        mainFormCreate(session());
    }
};

TEST_F(UserRuleWindowsTest, TheEditorShowsEveryRuleAndFillsTheControlsFromAPressedRow) {
    TKaimeSetInputForm editor(session(), nullptr);
    editor.show();
    auto* grid = editor.findChild<QTableWidget*>("RuleGrid");
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 85);
    ASSERT_EQ(grid->columnCount(), 15);
    EXPECT_EQ(grid->horizontalHeaderItem(14)->text(), QString::fromUtf8("コメント"));
    EXPECT_EQ(grid->columnWidth(2), 80);
    EXPECT_EQ(grid->item(3, 2)->text(), QString::fromUtf8("芝1600m以下"));
    EXPECT_EQ(grid->item(3, 0)->background().color(), QColor(0x9B, 0xFC, 0x7A)); // 8060059

    emit grid->cellPressed(3, 0);
    EXPECT_EQ(editor.findChild<QComboBox*>("VenueList")->currentText(), QString::fromUtf8("東京"));
    EXPECT_EQ(editor.findChild<QComboBox*>("FJikuList")->currentText(), "a");
    EXPECT_EQ(editor.findChild<QSpinBox*>("Frr")->value(), 5);
    EXPECT_EQ(editor.findChild<QSpinBox*>("Fnn")->value(), 0);

    auto* up = editor.findChild<QSpinBox*>("Hup");
    up->setValue(2);
    EXPECT_EQ(editor.findChild<QSpinBox*>("Hnn")->value(), 3);
    EXPECT_TRUE(port.events().empty());

    auto* course = editor.findChild<QComboBox*>("CourseList");
    course->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(course, &enter);
    EXPECT_EQ(editor.focusWidget(), editor.findChild<QComboBox*>("PositionList"));
    editor.close();
}

} // namespace
} // namespace zefa
