#include "app/ScriptedUserPort.h"

#include <ostream>

namespace zefa {

void ScriptedUserPort::record(Kind kind, std::string_view text) {
    events_.push_back({kind, std::string(text)});
    if (echo_ && (kind == Kind::Information || kind == Kind::Confirm || kind == Kind::Status)) *echo_ << text << '\n';
}

void ScriptedUserPort::information(std::string_view text) { record(Kind::Information, text); }

bool ScriptedUserPort::confirm(std::string_view text) {
    record(Kind::Confirm, text);
    if (answers_.empty()) return true;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

void ScriptedUserPort::beep() { record(Kind::Beep, {}); }

void ScriptedUserPort::setStatus(std::string_view text) {
    status_ = text;
    record(Kind::Status, text);
}

void ScriptedUserPort::showProgress(const ProgressState& state) {
    progress_ = state;
    record(Kind::Progress, state.step);
}

void ScriptedUserPort::closeProgress() {
    progress_.reset();
    record(Kind::ProgressClosed, {});
}

void ScriptedUserPort::setClipboard(std::string_view text) { record(Kind::Clipboard, text); }

bool ScriptedUserPort::openFile(const std::filesystem::path& file) {
    record(Kind::OpenFile, file.string());
    return openFileWorks_;
}

std::optional<std::filesystem::path> ScriptedUserPort::chooseFolder(std::string_view title, const std::filesystem::path&) {
    record(Kind::ChooseFolder, title);
    if (folders_.empty()) return std::nullopt;
    auto folder = folders_.front();
    folders_.pop_front();
    return folder;
}

bool ScriptedUserPort::startProgram(const std::filesystem::path& program, const std::string& argument,
                                    const std::filesystem::path& workingFolder) {
    record(Kind::StartProgram, program.string() + '|' + argument + '|' + workingFolder.string());
    return startProgramWorks_;
}

std::vector<std::string> ScriptedUserPort::texts(Kind kind) const {
    std::vector<std::string> out;
    for (const auto& event : events_)
        if (event.kind == kind) out.push_back(event.text);
    return out;
}

} // namespace zefa
