#include "ui/RaceHeaderView.h"

#include "ui/QtText.h"

#include <QLabel>
#include <QString>

namespace zefa {
namespace {

// Colours one widget by name only, so that its children keep their own look.
void colourWidget(QWidget& window, const char* name, Rgb colour) {
    auto* widget = window.objectName() == name ? &window : window.findChild<QWidget*>(name);
    if (!widget) return;
    widget->setStyleSheet(QString("#%1 { background: rgb(%2, %3, %4); }").arg(name).arg(colour.r).arg(colour.g).arg(colour.b));
}

} // namespace

void showRaceHeader(QWidget& window, const RaceHeader& header) {
    for (const RaceHeaderLabel& label : kRaceHeaderLabels)
        if (auto* shown = window.findChild<QLabel*>(qtText(label.name))) shown->setText(qtText(header.*label.text));
    colourWidget(window, "TFWtimeAsaLabel", header.TFWtimeAsaColour);
    colourWidget(window, "Panel3", header.Panel3Colour);
}

} // namespace zefa
