#include "ui/TMainForm.h"

#include "app/CommandBoundary.h"
#include "app/DayLoad.h"
#include "app/DaySelector.h"
#include "app/MenuCommands.h"
#include "app/Session.h"
#include "app/Startup.h"
#include "app/UserPort.h"
#include "ui/QtText.h"
#include "ui/TAboutBox.h"
#include "ui/TKaimeSetInputForm.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zefa {
namespace {

constexpr const char* kInfoTipBackground = "background: #ffffe1;";

QToolButton* button(std::string_view caption, std::string_view hint = {}) {
    auto* result = new QToolButton;
    result->setText(qtText(caption));
    result->setToolButtonStyle(Qt::ToolButtonTextOnly);
    if (!hint.empty()) {
        result->setToolTip(qtText(hint));
        result->setStatusTip(qtText(hint));
    }
    return result;
}

QFrame* panel(const char* name, QLayout* layout) {
    auto* frame = new QFrame;
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setLayout(layout);
    return frame;
}

QLabel* label(const char* name, std::string_view text = {}) {
    auto* result = new QLabel(qtText(text));
    result->setObjectName(name);
    return result;
}

// A page of tabs, each a widget made by the caller.
QTabWidget* tabs(const char* name, std::initializer_list<std::pair<std::string_view, QWidget*>> pages) {
    auto* result = new QTabWidget;
    result->setObjectName(name);
    for (const auto& [caption, page] : pages) result->addTab(page, qtText(caption));
    return result;
}

QTableWidget* grid(const char* name) {
    auto* result = new QTableWidget;
    result->setObjectName(name);
    return result;
}

} // namespace

TMainForm::TMainForm(Session& session) : session_(session) {
    setWindowTitle(qtText(kMainWindowCaption));

    auto* central = new QWidget;
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(buildRaceList());
    auto* main = new QVBoxLayout;
    main->addWidget(buildQuickSettings());
    main->addWidget(buildPages(), 1);
    body->addLayout(main, 1);
    auto* top = new QVBoxLayout(central);
    top->setContentsMargins(2, 2, 2, 2);
    top->addWidget(buildToolBar());
    top->addLayout(body, 1);
    setCentralWidget(central);

    DLlabel = label("DLlabel");
    statusBar()->setObjectName("StatusLine");
    statusBar()->addPermanentWidget(DLlabel, 1);
    buildMenus();

    mainFormCreate(session_);
    const WindowPlacement placement = mainFormPlacement(session_);
    move(placement.left, placement.top);
    resize(placement.width, placement.height);
    // Shown once a race is shown.
    PageControl1->hide();
    refreshDayList();
    refreshMenuChecks();
}

QWidget* TMainForm::buildToolBar() {
    auto* left = new QHBoxLayout;
    left->setContentsMargins(2, 2, 2, 2);
    auto* toggle = button("F", "レースリストの表示/非表示を行います");
    connect(toggle, &QToolButton::clicked, this, [this] { Panel6->setVisible(!Panel6->isVisible()); });
    left->addWidget(toggle);

    auto* jvData = button("JVデータ取得");
    connect(jvData, &QToolButton::clicked, this, [this] { notYetAvailable(session_, "JVデータ取得"); });
    left->addWidget(jvData);
    auto* version = button("ﾊﾞｰｼﾞｮﾝ情報");
    connect(version, &QToolButton::clicked, this, [this] { TAboutBox(this).exec(); });
    left->addWidget(version);
    auto* quit = button("終了");
    connect(quit, &QToolButton::clicked, this, &QWidget::close);
    left->addWidget(quit);
    auto* help = button("ヘルプ");
    connect(help, &QToolButton::clicked, this, [this] { run(helpButtonClick); });
    left->addWidget(help);
    auto* nextRace = button("直前ﾚｰｽ");
    connect(nextRace, &QToolButton::clicked, this, [this] {
        if (const auto index = nextRaceBtnClick(session_)) DatList->setCurrentRow(*index);
    });
    for (const std::string_view caption : {"結果情報", "速報ｵｯｽﾞ", "予想オッズ"}) {
        auto* later = button(caption);
        connect(later, &QToolButton::clicked, this, [this, caption] { notYetAvailable(session_, caption); });
        left->addWidget(later);
    }
    left->addWidget(nextRace);
    MiokuriLabel = label("MiokuriLabel");
    MiokuriLabel->setStyleSheet("color: red; font-weight: bold;");
    left->addWidget(MiokuriLabel);
    left->addWidget(label("PositionCaption", "位置"));
    PositionLabel = label("PositionLabel");
    PositionLabel->setMinimumWidth(24);
    left->addWidget(PositionLabel);
    DateCombo = new QComboBox;
    DateCombo->setObjectName("DateCombo");
    DateCombo->setMaxVisibleItems(36);
    DateCombo->setMinimumWidth(140);
    DateCombo->setStyleSheet(kInfoTipBackground);
    connect(DateCombo, &QComboBox::activated, this, [this] { loadDay(DateCombo->currentText()); });
    left->addWidget(DateCombo);

    // The race header of the race on show.
    auto* right = new QHBoxLayout;
    right->setContentsMargins(4, 2, 4, 2);
    for (const char* name : {"BashoLabel", "RaceLabel", "Label1", "Label2", "Label3", "Label4", "Label6", "Label7",
                             "RestTimeLabel", "Label3Dj1", "Label3Dj2"})
        right->addWidget(label(name));
    right->addStretch(1);
    auto* header = panel("Panel3", right);
    header->setStyleSheet(kInfoTipBackground);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(panel("Panel2", left));
    bar->addWidget(header, 1);
    auto* speedBar = new QWidget;
    speedBar->setObjectName("SpeedBar");
    speedBar->setLayout(bar);
    return speedBar;
}

QWidget* TMainForm::buildRaceList() {
    DatList = new QListWidget;
    DatList->setObjectName("DatList");
    connect(DatList, &QListWidget::currentRowChanged, this, [this](int row) { datListClick(session_, row); });
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DatList);
    Panel6 = panel("Panel6", layout);
    Panel6->setFixedWidth(96);
    return Panel6;
}

QWidget* TMainForm::buildQuickSettings() {
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(qtText("クイック設定")));
    for (const std::string_view caption : {"消し馬", "見送りﾚｰｽ", "買い目", "軸馬変更"}) {
        auto* page = button(caption);
        connect(page, &QToolButton::clicked, this, [this, caption] { notYetAvailable(session_, caption); });
        layout->addWidget(page);
    }
    layout->addStretch(1);
    return panel("Panel7", layout);
}

QWidget* TMainForm::buildPages() {
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* indexButtons = new QHBoxLayout;
    indexButtons->addWidget(button("並べ替え"));
    indexButtons->addWidget(button("ｺﾋﾟｰ"));
    indexButtons->addStretch(1);
    indexLayout->addLayout(indexButtons);
    indexLayout->addWidget(grid("StringGrid26"), 1);

    auto* analysis = new QWidget;
    auto* analysisLayout = new QVBoxLayout(analysis);
    analysisLayout->addWidget(panel("Panel8", new QHBoxLayout));
    analysisLayout->addWidget(tabs("AnalysisPages", {{"指数表", indexPage}, {"買い目", new QWidget}}), 1);

    auto* statistics = new QWidget;
    auto* statisticsLayout = new QVBoxLayout(statistics);
    auto* statisticsButtons = new QHBoxLayout;
    statisticsButtons->addWidget(button("集計"));
    statisticsButtons->addWidget(button("ｺﾋﾟｰ"));
    statisticsButtons->addStretch(1);
    statisticsLayout->addLayout(statisticsButtons);
    statisticsLayout->addWidget(tabs("StatisticsPages", {{"馬券種別", new QWidget}, {"着順", new QWidget},
                                                         {"展開値順", new QWidget}, {"複勝人順", new QWidget},
                                                         {"結果", new QWidget}}), 1);

    auto* entries = new QWidget;
    auto* entriesLayout = new QVBoxLayout(entries);
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(qtText("馬場選択")));
    for (const std::string_view caption : {"全表示", "芝", "ﾀﾞｰﾄ"}) filters->addWidget(button(caption));
    filters->addWidget(new QLabel(qtText("距離選択")));
    for (const std::string_view caption : {"無指定", "同距離", "+/-400m"}) filters->addWidget(button(caption));
    filters->addStretch(1);
    entriesLayout->addWidget(panel("FilterPanel", filters));
    entriesLayout->addWidget(grid("StringGrid2"), 1);

    PageControl1 = tabs("PageControl1", {{"分析諸表", analysis}, {"出現状況", statistics}, {"出馬表(詳細)", entries},
                                         {"結果", new QWidget}});
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);
    return panel("Panel1", layout);
}

namespace {

struct AdminItem {
    std::string_view caption;
    void (*command)(Session&);
    bool MenuChecks::*check;
};

constexpr AdminItem kAdminItems[] = {
    {"軸馬をX馬に固定", jikuXClick, &MenuChecks::jikuX},
    {"軸馬をAAA馬に固定", jikuAAAClick, &MenuChecks::jikuAAA},
    {"軸馬をAA馬に固定", jikuAAClick, &MenuChecks::jikuAA},
    {"軸馬を複勝1人気馬に固定", jikuF1Click, &MenuChecks::jikuF1},
    {"ヒモ馬を展開上位５頭に固定", tenkaiJoi5Click, &MenuChecks::tenkaiJoi5},
    {"ヒモ馬を直前単勝人気上位５頭に固定", ninkiJoi5Click, &MenuChecks::ninkiJoi5},
};

} // namespace

QAction* TMainForm::addCommand(QMenu* menu, std::string_view caption, void (*command)(Session&)) {
    QAction* action = menu->addAction(qtText(caption));
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
    return action;
}

QAction* TMainForm::addNotYet(QMenu* menu, std::string_view caption) {
    QAction* action = menu->addAction(qtText(caption));
    const std::string name(caption);
    connect(action, &QAction::triggered, this, [this, name] { notYetAvailable(session_, name); });
    return action;
}

void TMainForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(qtText("ﾌｧｲﾙ(&F)"));
    addNotYet(file, "時系列ｵｯｽﾞより朝ｵｯｽﾞ・最新ｵｯｽﾞを取得");
    for (const std::string_view kind : {"時系列オッズより朝オッズを取得(&T)", "時系列オッズより最新オッズを取得"}) {
        QMenu* sub = file->addMenu(qtText(kind));
        addNotYet(sub, "当日分");
        addNotYet(sub, "全開催日分");
    }
    addNotYet(file, "1日分の全オッズを一括取得(&O)");
    addNotYet(file, "1日分の全朝オッズを一括取得(&A)");
    file->addSeparator();
    connect(file->addAction(qtText("終了(&X)")), &QAction::triggered, this, &QWidget::close);

    QMenu* options = menuBar()->addMenu(qtText("ｵﾌﾟｼｮﾝ(&O)"));
    addNotYet(options, "各種設定(&T)");
    connect(options->addAction(qtText("買い目抽出ユーザー設定")), &QAction::triggered, this,
            [this] { TKaimeSetInputForm(session_, this).exec(); }); // N40Click
    QMenu* modes = options->addMenu(qtText("買い目選択(&K)"));
    for (int mode = 0; mode < 4; ++mode) {
        modeItems_[mode] = modes->addAction(qtText(kKaimeModeCaptions[size_t(mode)]));
        modeItems_[mode]->setCheckable(true);
        connect(modeItems_[mode], &QAction::triggered, this, [this, mode] {
            runCommand(session_.port, [&] { kaimeModeClick(session_, mode); });
            refreshMenuChecks();
        });
    }
    modes->addSeparator();
    ifnothyokaba = addCommand(modes, "評価馬がいない場合複勝馬より軸馬を選定する", ifnothyokabaClick);
    NotGetOz = addCommand(options, "ｵｯｽﾞの自動取得機能を停止する", notGetOzClick);
    addNotYet(options, "コース図を表示");

    QMenu* papers = menuBar()->addMenu(qtText("資料"));
    addNotYet(papers, "CSV出力");
    addNotYet(papers, "CSV検証");

    QMenu* folders = menuBar()->addMenu(qtText("ﾌｫﾙﾀﾞ指定(&F)"));
    addNotYet(folders, "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定(&T)");
    addNotYet(folders, "予想ｵｯｽﾞﾃﾞｰﾀﾌｫﾙﾀﾞの指定(&Y)");
    addNotYet(folders, "ZPC投票プラグイン２フォルダ指定");

    QMenu* help = menuBar()->addMenu(qtText("ﾍﾙﾌﾟ(&H)"));
    addCommand(help, "使用解説書(&C)", helpButtonClick);
    connect(help->addAction(qtText("ﾊﾞｰｼﾞｮﾝ情報(&A)...")), &QAction::triggered, this, [this] { TAboutBox(this).exec(); });

    // The fixing items of the administrators' menu, offered only when the program is started so.
    Admin = menuBar()->addMenu(qtText("管理者専用"));
    Admin->menuAction()->setVisible(false);
    for (const AdminItem& item : kAdminItems) {
        QAction* action = addCommand(Admin, item.caption, item.command);
        action->setCheckable(true);
        adminItems_.push_back(action);
    }

    for (QAction* check : {ifnothyokaba, NotGetOz}) check->setCheckable(true);
}

void TMainForm::offerAdminMenu() { Admin->menuAction()->setVisible(true); }

void TMainForm::run(void (*command)(Session&)) {
    runCommand(session_.port, [&] { command(session_); });
    refreshMenuChecks();
}

void TMainForm::refreshDayList() {
    DateCombo->clear();
    for (const auto& day : session_.dayList) DateCombo->addItem(qtText(day));
    DateCombo->setCurrentIndex(-1);
}

bool TMainForm::chooseDay(const QString& day) {
    const int index = DateCombo->findText(day);
    if (index < 0) return false;
    DateCombo->setCurrentIndex(index);
    loadDay(day);
    return true;
}

bool TMainForm::chooseRace(int raceSlot) {
    if (raceSlot < 0 || raceSlot >= DatList->count()) return false;
    DatList->setCurrentRow(raceSlot);
    return true;
}

void TMainForm::loadDay(const QString& day) {
    session_.selectedDay = coreText(day);
    DatList->clear();
    PageControl1->hide();
    runCommand(session_.port, [this] { dateComboChange(session_); });
    refreshRaceList();
    findChild<QLabel*>("RestTimeLabel")->setVisible(session_.liveDay);
}

void TMainForm::refreshRaceList() {
    const QSignalBlocker quiet(DatList);
    DatList->clear();
    for (const auto& race : session_.raceList) DatList->addItem(qtText(race));
    if (session_.selectedRaceSlot >= 0 && session_.selectedRaceSlot < DatList->count())
        DatList->setCurrentRow(session_.selectedRaceSlot);
}

void TMainForm::refreshMenuChecks() {
    for (int mode = 0; mode < 4; ++mode) modeItems_[mode]->setChecked(session_.menu.kaimeMode == mode);
    ifnothyokaba->setChecked(session_.menu.ifnothyokaba);
    for (size_t i = 0; i < adminItems_.size(); ++i) adminItems_[i]->setChecked(session_.menu.*kAdminItems[i].check);
    NotGetOz->setChecked(session_.menu.notGetOz);
}

void TMainForm::showStatus(const std::string& text) { DLlabel->setText(qtText(text)); }

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    mainFormShow(session_);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    mainFormCloseQuery(session_, {y(), x(), width(), height()});
    event->accept();
}

} // namespace zefa
