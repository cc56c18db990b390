#pragma once

#include "app/UserRuleEditor.h"
#include "bets/UserRuleGrid.h"

#include <QDialog>

#include <array>
#include <span>
#include <string_view>
#include <vector>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace zefa {

struct Session;

// "買い目抽出ユーザー設定": edits the user bet-rule table of the session, which the core saves
// after every change. Closing it brings the race on show up to date with the rules.
class TKaimeSetInputForm : public QDialog {
    Q_OBJECT
public:
    TKaimeSetInputForm(Session& session, QWidget* parent);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* list(const char* name, std::span<const std::string_view> texts);
    QSpinBox* countField(const char* name, int start, bool automatic);
    RuleInput input() const;
    void showInput(const RuleInput& input);
    void evaluationChanged();
    void placeChanged();
    void fJikuChanged();
    void recordClick();
    void deleteClick();
    void fileButtonClick();
    void rowPressed(int row);
    void refillGrid();

    Session& session_;
    std::vector<RuleGridRow> rows_;
    int pressedRow_ = -1; // the data row last pressed; -1: none
    bool showingInput_ = false;

    QComboBox* VenueList = nullptr;
    QComboBox* CourseList = nullptr;
    QComboBox* PositionList = nullptr;
    QComboBox* FJikuList = nullptr;    // "複勝軸"
    std::array<QSpinBox*, 4> Hcounts{}; // 上 前 後 人 of the evaluation-horse mode
    std::array<QSpinBox*, 4> Fcounts{}; // the same of the place-horse mode
    QLineEdit* CommentEdit = nullptr;
    QTableWidget* RuleGrid = nullptr;
};

} // namespace zefa
