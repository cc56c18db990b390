#pragma once

#include "display/ResultsPage.h"

#include <QWidget>

#include <array>
#include <vector>

class QLabel;

namespace zefa {

// The payout labels of the results page, one box per bet type.
class ResultsPageView : public QWidget {
    Q_OBJECT
public:
    explicit ResultsPageView(QWidget* parent = nullptr);

    void showResults(const ResultsPage& page);
    // The label texts of bet type `type`, line `n` (0-based): combination, popularity, payout.
    std::array<QLabel*, 3> line(BetType type, int n) const { return labels_[size_t(type)][size_t(n)]; }

private:
    std::array<std::vector<std::array<QLabel*, 3>>, kBetTypes.size()> labels_;
};

} // namespace zefa
