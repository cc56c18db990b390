#include "ui/TAboutBox.h"

#include "app/Startup.h"
#include "ui/QtText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zefa {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(qtText("ﾊﾞｰｼﾞｮﾝ情報"));
    auto* title = new QLabel(qtText(kApplicationTitle));
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(qtText(kVersionText));
    version->setObjectName("Version");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
}

} // namespace zefa
