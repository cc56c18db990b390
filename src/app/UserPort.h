#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zefa {

// What the progress window shows: a gauge and three texts under their fixed headings.
struct ProgressState {
    int maximum = 0;
    int position = 0;
    std::string caption;      // under "本日のデータ"
    std::string step;         // under "読込中のデータ"
    std::string detail;
    bool showCaptionHeading = true;
    bool showDetail = true;
};

// How the core talks to the user. The desktop program answers with windows; tests and the
// command-line tool answer with a script. Texts are UTF-8.
class UserPort {
public:
    virtual ~UserPort() = default;

    // An information box with an OK button.
    virtual void information(std::string_view text) = 0;
    // A Yes/No question; false only when the answer is No.
    virtual bool confirm(std::string_view text) = 0;
    virtual void beep() = 0;
    // The main window's status label.
    virtual void setStatus(std::string_view text) = 0;
    // Shows or updates the progress window, and closes it.
    virtual void showProgress(const ProgressState& state) = 0;
    virtual void closeProgress() = 0;
    // Lets pending window messages run during long work.
    virtual void processEvents() = 0;
    virtual void setClipboard(std::string_view text) = 0;
    // Opens a file with the desktop's program for it; false when that failed.
    virtual bool openFile(const std::filesystem::path& file) = 0;
    // nullopt when the user cancelled.
    virtual std::optional<std::filesystem::path> chooseFolder(std::string_view title, const std::filesystem::path& start) = 0;
    // Starts another program with one argument, without waiting for it; false when it could not start.
    virtual bool startProgram(const std::filesystem::path& program, const std::string& argument,
                              const std::filesystem::path& workingFolder) = 0;
};

} // namespace zefa
