#pragma once

#include "app/UserPort.h"

#include <QFrame>

class QLabel;
class QProgressBar;

namespace zefa {

// The progress window of long work: a borderless, always-on-top panel over the main window
// with a vertical gauge and three texts.
class TPrgrsForm : public QFrame {
    Q_OBJECT
public:
    explicit TPrgrsForm(QWidget* mainWindow);
    void showState(const ProgressState& state);

private:
    QWidget* mainWindow_;
    QProgressBar* ProgressBar1;
    QLabel* Label3Dj2;   // "本日のデータ"
    QLabel* StaticText1; // the caption text
    QLabel* Label3Dj4;   // the step text under "読込中のデータ"
    QLabel* Label3Dj1;   // the detail text
};

} // namespace zefa
