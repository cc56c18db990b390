#pragma once

#include <QDialog>

namespace zefa {

// "ﾊﾞｰｼﾞｮﾝ情報": the program's name and version.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent);
};

} // namespace zefa
