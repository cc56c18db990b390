#include "ui/TUserFileMaintainForm.h"

#include "app/CommandBoundary.h"
#include "app/Session.h"
#include "app/UserRuleFiles.h"
#include "jvdata/Clock.h"
#include "ui/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace zefa {
namespace {

constexpr int kNameLength = 120;

QLabel* caption(std::string_view text) { return new QLabel(qtText(text)); }

QPushButton* button(const char* name, std::string_view text) {
    auto* result = new QPushButton(qtText(text));
    result->setObjectName(name);
    result->setAutoDefault(false);
    return result;
}

} // namespace

TUserFileMaintainForm::TUserFileMaintainForm(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
    setWindowTitle(qtText("ﾕｰｻﾞｰ設定ﾌｧｲﾙ管理"));
    FileList = new QListWidget;
    FileList->setObjectName("FileList");
    FileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileList->setContextMenuPolicy(Qt::CustomContextMenu);
    NameEdit = new QLineEdit(qtText(defaultRuleFileName(session_.clock.now())));
    NameEdit->setObjectName("NameEdit");
    NameEdit->setMaxLength(kNameLength);
    auto* save = button("SaveButton", "保存");
    auto* load = button("LoadButton", "読込");

    auto* layout = new QGridLayout(this);
    layout->addWidget(FileList, 0, 0, 6, 1);
    layout->addWidget(caption("■現在の設定を別ﾌｧｲﾙに保存"), 0, 1, 1, 2);
    layout->addWidget(caption("指定ﾌｧｲﾙ名"), 1, 1);
    layout->addWidget(NameEdit, 1, 2);
    layout->addWidget(save, 2, 2, Qt::AlignRight);
    layout->addWidget(caption("■選択中の設定を読み込む"), 3, 1, 1, 2);
    layout->addWidget(load, 4, 2, Qt::AlignRight);
    layout->setRowStretch(5, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnMinimumWidth(2, 220);

    connect(save, &QPushButton::clicked, this, &TUserFileMaintainForm::saveClick);
    connect(load, &QPushButton::clicked, this, &TUserFileMaintainForm::loadClick);
    connect(FileList, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu;
        connect(menu.addAction(qtText("選択中の設定ﾌｧｲﾙを削除(&D)")), &QAction::triggered, this, &TUserFileMaintainForm::deleteClick);
        QAction* all = menu.addAction(qtText("全設定ﾌｧｲﾙを削除(&A)"));
        all->setEnabled(FileList->count() > 0);
        connect(all, &QAction::triggered, this, &TUserFileMaintainForm::deleteAllClick);
        menu.exec(FileList->viewport()->mapToGlobal(at));
    });

    refreshList();
    resize(520, 260);
}

void TUserFileMaintainForm::refreshList() {
    FileList->clear();
    for (const auto& file : listRuleFiles(session_.folder.user())) FileList->addItem(qtText(file));
}

std::optional<std::string> TUserFileMaintainForm::selectedFile() const {
    for (int row = 0; row < FileList->count(); ++row)
        if (FileList->item(row)->isSelected()) return coreText(FileList->item(row)->text());
    return std::nullopt;
}

void TUserFileMaintainForm::saveClick() {
    const std::string name = coreText(NameEdit->text());
    runCommand(session_.port, [&] { saveRuleFileAs(session_.userRules, session_.folder.user(), name, session_.port); });
    refreshList();
}

void TUserFileMaintainForm::loadClick() {
    const auto file = selectedFile();
    runCommand(session_.port, [&] {
        loadRuleFile(session_.userRules, session_.folder.user(), file, session_.folder.userRuleFile(), session_.port);
    });
}

void TUserFileMaintainForm::deleteClick() {
    const auto file = selectedFile();
    runCommand(session_.port, [&] { deleteRuleFile(session_.folder.user(), file, session_.port); });
    refreshList();
}

void TUserFileMaintainForm::deleteAllClick() {
    runCommand(session_.port, [&] { deleteAllRuleFiles(session_.folder.user(), session_.port); });
    refreshList();
}

} // namespace zefa
