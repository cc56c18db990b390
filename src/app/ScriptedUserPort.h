#pragma once

#include "app/UserPort.h"

#include <deque>
#include <iosfwd>
#include <vector>

namespace zefa {

// A UserPort without windows: it records everything shown, answers questions from a script
// (Yes when the script is empty) and, for the command-line tool, echoes messages to a stream.
class ScriptedUserPort : public UserPort {
public:
    enum class Kind { Information, Confirm, Beep, Status, Progress, ProgressClosed, Clipboard, OpenFile, ChooseFolder, StartProgram };
    struct Event {
        Kind kind;
        std::string text;
        bool operator==(const Event&) const = default;
    };

    explicit ScriptedUserPort(std::ostream* echo = nullptr) : echo_(echo) {}

    void information(std::string_view text) override;
    bool confirm(std::string_view text) override;
    void beep() override;
    void setStatus(std::string_view text) override;
    void showProgress(const ProgressState& state) override;
    void closeProgress() override;
    void processEvents() override {}
    void setClipboard(std::string_view text) override;
    bool openFile(const std::filesystem::path& file) override;
    std::optional<std::filesystem::path> chooseFolder(std::string_view title, const std::filesystem::path& start) override;
    // Recorded as "program|argument|working folder".
    bool startProgram(const std::filesystem::path& program, const std::string& argument,
                      const std::filesystem::path& workingFolder) override;

    // Answers for the next questions, in order.
    void answer(bool yes) { answers_.push_back(yes); }
    void answerFolder(std::optional<std::filesystem::path> folder) { folders_.push_back(std::move(folder)); }
    void setOpenFileWorks(bool works) { openFileWorks_ = works; }
    void setStartProgramWorks(bool works) { startProgramWorks_ = works; }

    const std::vector<Event>& events() const { return events_; }
    // The texts of the events of one kind, in order.
    std::vector<std::string> texts(Kind kind) const;
    const std::string& status() const { return status_; }
    const std::optional<ProgressState>& progress() const { return progress_; }
    void clear() { events_.clear(); }

private:
    void record(Kind kind, std::string_view text);

    std::ostream* echo_;
    std::vector<Event> events_;
    std::deque<bool> answers_;
    std::deque<std::optional<std::filesystem::path>> folders_;
    bool openFileWorks_ = true;
    bool startProgramWorks_ = true;
    std::string status_;
    std::optional<ProgressState> progress_;
};

} // namespace zefa
