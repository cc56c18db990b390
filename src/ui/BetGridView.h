#pragma once

#include "bets/BetList.h"

#include <QTableView>

#include <functional>
#include <string_view>

namespace zefa {

class BetGridModel;

// One bet grid: paints a BetList as its cells (header row, widths, hidden columns, the drawing
// colours, paid combinations in magenta) and forwards clicks. It keeps a copy of the list it shows.
class BetGridView : public QTableView {
    Q_OBJECT
public:
    explicit BetGridView(BetType type, QWidget* parent = nullptr);
    ~BetGridView() override;

    BetType type() const { return type_; }

    // Shows the list; `payoutRecord` is the race's HR record that tells the paid combinations.
    void showList(const BetList& list, std::string_view payoutRecord);

    // A click in a data cell: the list's row (1..) and column.
    std::function<void(int row, int column)> onClick;
    // A mouse press on a header cell: its column.
    std::function<void(int column)> onHeaderPress;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    BetType type_;
    BetGridModel* model_;
};

} // namespace zefa
