#include "ui/ResultsPageView.h"

#include "analysis/PayoutSummary.h"
#include "jvdata/HrRecord.h"
#include "ui/DisplayFonts.h"
#include "ui/QtText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace zefa {
namespace {

constexpr int kTextSize = 9;
constexpr int kBoxesPerRow = 4;

} // namespace

ResultsPageView::ResultsPageView(QWidget* parent) : QWidget(parent) {
    auto* boxes = new QGridLayout(this);
    for (const BetTypeRow& type : kBetTypes) {
        auto* box = new QGroupBox(qtText(type.name));
        auto* lines = new QGridLayout(box);
        lines->setVerticalSpacing(1);
        const int count = HrRecord::entries(HrRecord::PayoutBlock(int(type.type)));
        for (int n = 0; n < count; ++n) {
            std::array<QLabel*, 3> line{};
            for (int c = 0; c < 3; ++c) {
                line[size_t(c)] = new QLabel;
                line[size_t(c)]->setFont(displayFont(kTextSize));
                line[size_t(c)]->setTextFormat(Qt::PlainText);
                lines->addWidget(line[size_t(c)], n, c);
            }
            labels_[size_t(type.type)].push_back(line);
        }
        lines->setRowStretch(count, 1);
        const int index = int(type.type);
        boxes->addWidget(box, index / kBoxesPerRow, index % kBoxesPerRow);
    }
    boxes->setRowStretch(2, 1);
}

void ResultsPageView::showResults(const ResultsPage& page) {
    for (const BetTypeRow& type : kBetTypes) {
        const auto& shown = page.lines[size_t(type.type)];
        auto& labels = labels_[size_t(type.type)];
        for (size_t n = 0; n < labels.size(); ++n) {
            const ResultLine line = n < shown.size() ? shown[n] : ResultLine{};
            labels[n][0]->setText(qtText(line.combination));
            labels[n][1]->setText(qtText(line.popularity));
            labels[n][2]->setText(qtText(line.payout));
        }
    }
}

} // namespace zefa
