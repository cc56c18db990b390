#pragma once

#include "bets/BetList.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace zefa {

struct Session;
class BetGridView;

// The bet page "買い目": the amount box, the "資金配分" group, the summary labels of the eight bet
// types, their grids on one tab each and the "ZPC2投票" button. It shows the session's bet lists and
// sends the user's changes to the bet commands.
class BetPage : public QWidget {
    Q_OBJECT
public:
    explicit BetPage(Session& session, QWidget* parent = nullptr);

    // Shows the session's amount, mode and bet lists: after a race was shown.
    void refresh();

private:
    QWidget* buildControls();
    QWidget* buildSummary();
    QTabWidget* buildGrids();
    void showLists();
    void showList(BetType type);
    // The 40 summary labels: cream, those of the bet type whose tab is showing light green.
    void paintSummary();

    Session& session_;
    QLineEdit* SaNumEditExC1 = nullptr;  // "入力投票金額"
    QButtonGroup* RadioGroup1 = nullptr; // "資金配分"
    std::array<std::array<QLabel*, kSummaryLabels>, 8> summary_{}; // by BetType, then SummaryLabel
    std::array<BetGridView*, 8> grids_{};                          // by BetType
    QTabWidget* PageControl4 = nullptr;
};

} // namespace zefa
