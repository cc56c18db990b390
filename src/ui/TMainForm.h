#pragma once

#include <QMainWindow>

#include <string_view>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;
class QToolButton;

namespace zefa {

struct Session;

// The main window. It shows what the core computed and forwards the user's commands to it.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up of the window; throws Error when the start must end.
    explicit TMainForm(Session& session);

    // Writes the main window's status label.
    void showStatus(const std::string& text);

    // Picks a day of the day selector and a race of the race list as the user would; false when
    // there is no such day or race.
    bool chooseDay(const QString& day);
    bool chooseRace(int raceSlot);

    // Shows the administrators' menu with the fixing items of the axis and partner choice.
    void offerAdminMenu();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildToolBar();
    QWidget* buildRaceList();
    QWidget* buildQuickSettings();
    QWidget* buildPages();
    void buildMenus();
    QAction* addCommand(QMenu* menu, std::string_view caption, void (*command)(Session&));
    QAction* addNotYet(QMenu* menu, std::string_view caption);
    void refreshDayList();
    void loadDay(const QString& day);
    void refreshRaceList();
    void refreshMenuChecks();
    // Runs a core command at the command boundary, then shows the state it left.
    void run(void (*command)(Session&));

    Session& session_;
    bool shown_ = false;

    QFrame* Panel6 = nullptr;        // left panel with the race list
    QComboBox* DateCombo = nullptr;
    QListWidget* DatList = nullptr;
    QLabel* MiokuriLabel = nullptr;
    QLabel* PositionLabel = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QLabel* DLlabel = nullptr;
    QAction* modeItems_[4] = {};
    QAction* ifnothyokaba = nullptr;
    QMenu* Admin = nullptr;
    std::vector<QAction*> adminItems_; // in the order of the administrators' menu
    QAction* NotGetOz = nullptr;
};

} // namespace zefa
