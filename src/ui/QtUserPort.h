#pragma once

#include "app/UserPort.h"

#include <functional>

class QWidget;

namespace zefa {

class TPrgrsForm;

// The UserPort of the desktop program: message boxes, the status label, the progress window.
class QtUserPort : public UserPort {
public:
    QtUserPort();
    ~QtUserPort() override;

    // The window that owns the message boxes and shows the status text.
    void attach(QWidget* mainWindow, std::function<void(const std::string&)> showStatus);

    void information(std::string_view text) override;
    bool confirm(std::string_view text) override;
    void beep() override;
    void setStatus(std::string_view text) override;
    void showProgress(const ProgressState& state) override;
    void closeProgress() override;
    void processEvents() override;
    void setClipboard(std::string_view text) override;
    bool openFile(const std::filesystem::path& file) override;
    std::optional<std::filesystem::path> chooseFolder(std::string_view title, const std::filesystem::path& start) override;
    bool startProgram(const std::filesystem::path& program, const std::string& argument,
                      const std::filesystem::path& workingFolder) override;

private:
    QWidget* mainWindow_ = nullptr;
    std::function<void(const std::string&)> showStatus_;
    TPrgrsForm* progress_ = nullptr;
};

} // namespace zefa
