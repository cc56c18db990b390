#include "ui/QtUserPort.h"

#include "app/Startup.h"
#include "ui/TPrgrsForm.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace zefa {

QtUserPort::QtUserPort() = default;

QtUserPort::~QtUserPort() { delete progress_; }

void QtUserPort::attach(QWidget* mainWindow, std::function<void(const std::string&)> showStatus) {
    mainWindow_ = mainWindow;
    showStatus_ = std::move(showStatus);
}

void QtUserPort::information(std::string_view text) {
    QMessageBox::information(mainWindow_, qtText(kApplicationTitle), qtText(text));
}

bool QtUserPort::confirm(std::string_view text) {
    return QMessageBox::question(mainWindow_, qtText(kApplicationTitle), qtText(text), QMessageBox::Yes | QMessageBox::No) !=
           QMessageBox::No;
}

void QtUserPort::beep() { QApplication::beep(); }

void QtUserPort::setStatus(std::string_view text) {
    if (showStatus_) showStatus_(std::string(text));
}

void QtUserPort::showProgress(const ProgressState& state) {
    if (!progress_) progress_ = new TPrgrsForm(mainWindow_);
    progress_->showState(state);
}

void QtUserPort::closeProgress() {
    if (progress_) progress_->hide();
}

// Paint and timer events run; clicks and keys wait until the long work is done, so that no second
// command starts inside it.
void QtUserPort::processEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void QtUserPort::setClipboard(std::string_view text) { QApplication::clipboard()->setText(qtText(text)); }

bool QtUserPort::openFile(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

std::optional<std::filesystem::path> QtUserPort::chooseFolder(std::string_view title, const std::filesystem::path& start) {
    const QString folder =
        QFileDialog::getExistingDirectory(mainWindow_, qtText(title), QString::fromStdString(start.string()));
    if (folder.isEmpty()) return std::nullopt;
    return std::filesystem::path(folder.toStdString());
}

bool QtUserPort::startProgram(const std::filesystem::path& program, const std::string& argument,
                              const std::filesystem::path& workingFolder) {
    return QProcess::startDetached(QString::fromStdString(program.string()), {QString::fromStdString(argument)},
                                   QString::fromStdString(workingFolder.string()));
}

} // namespace zefa
