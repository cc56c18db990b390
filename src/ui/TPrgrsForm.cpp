#include "ui/TPrgrsForm.h"

#include "ui/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

namespace zefa {

TPrgrsForm::TPrgrsForm(QWidget* mainWindow)
    : QFrame(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool), mainWindow_(mainWindow) {
    setObjectName("PrgrsForm");
    setStyleSheet("#PrgrsForm { border: 4px solid teal; background: white; }"
                  "QProgressBar::chunk { background: lime; }");
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setOrientation(Qt::Vertical);
    ProgressBar1->setTextVisible(false);
    Label3Dj2 = new QLabel(qtText("本日のデータ"));
    StaticText1 = new QLabel;
    auto* stepHeading = new QLabel(qtText("読込中のデータ"));
    Label3Dj4 = new QLabel;
    Label3Dj1 = new QLabel;

    auto* layout = new QGridLayout(this);
    layout->addWidget(ProgressBar1, 0, 0, 5, 1);
    layout->addWidget(Label3Dj2, 0, 1);
    layout->addWidget(StaticText1, 1, 1);
    layout->addWidget(stepHeading, 2, 1);
    layout->addWidget(Label3Dj4, 3, 1);
    layout->addWidget(Label3Dj1, 4, 1);
    setFixedSize(360, 180);
}

void TPrgrsForm::showState(const ProgressState& state) {
    ProgressBar1->setMaximum(state.maximum);
    ProgressBar1->setValue(state.position);
    StaticText1->setText(qtText(state.caption));
    Label3Dj4->setText(qtText(state.step));
    Label3Dj1->setText(qtText(state.detail));
    Label3Dj2->setVisible(state.showCaptionHeading);
    Label3Dj1->setVisible(state.showDetail);
    if (!isVisible()) {
        if (mainWindow_) move(mainWindow_->geometry().center() - rect().center());
        show();
    }
}

} // namespace zefa
