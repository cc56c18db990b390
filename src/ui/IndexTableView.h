#pragma once

#include "display/IndexTable.h"
#include "display/RaceHeader.h"

#include <QWidget>

class QButtonGroup;
class QTableWidget;

namespace zefa {

// The index table page: the sort buttons of "並べ替え", the copy button and the grid StringGrid26.
class IndexTableView : public QWidget {
    Q_OBJECT
public:
    explicit IndexTableView(QWidget* parent = nullptr);

    // Shows a race's table sorted by horse number, the way a race is first shown; `header` gives
    // the copy its heading.
    void showTable(const IndexTable& table, const RaceHeader& header);
    IndexSort sort() const;
    const IndexTable& table() const { return table_; }

signals:
    // "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ" was pressed: the text for the clipboard.
    void copyRequested(const QString& text);

private:
    void sortBy(IndexSort sort);
    void paint();

    QButtonGroup* sortButtons_;
    QTableWidget* grid_;
    IndexTable table_;
    RaceHeader header_;
};

} // namespace zefa
