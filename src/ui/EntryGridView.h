#pragma once

#include "display/EntryGrid.h"

#include <QWidget>

#include <functional>

class QButtonGroup;
class QTableWidget;

namespace zefa {

// The detailed entry page: the surface and distance filter buttons and the grid StringGrid2,
// with the runner pop-up menu.
class EntryGridView : public QWidget {
    Q_OBJECT
public:
    // The items of the runner pop-up menu PopupMenu1.
    enum class RunnerMenuItem { Track, Horse, Jockey, Trainer };
    using Builder = std::function<EntryGrid(const EntryFilters&)>;

    explicit EntryGridView(QWidget* parent = nullptr);

    // Shows a race's grid; `build` makes it for the filters down, now and whenever a filter
    // button is pressed.
    void showGrid(Builder build);
    const EntryGrid& grid() const { return grid_; }
    EntryFilters filters() const;

signals:
    // A data row was pressed: its runner is the one the detail windows and tracking work on.
    void runnerPressed(const RunnerPopup& runner);
    void runnerMenuChosen(RunnerMenuItem item, const RunnerPopup& runner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refill();

    QButtonGroup* surfaceButtons_;
    QButtonGroup* distanceButtons_;
    QTableWidget* table_;
    Builder build_;
    EntryGrid grid_;
};

} // namespace zefa
