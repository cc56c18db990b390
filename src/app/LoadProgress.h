#pragma once

#include "app/UserPort.h"

#include <string>
#include <string_view>

namespace zefa {

// The progress window of a long job: shown at the first update, updated with CP932 step and detail
// texts, letting window messages run at every update, and closed when the job ends (also by an error).
class LoadProgress {
public:
    LoadProgress(UserPort& port, int maximum, std::string caption);
    ~LoadProgress();
    LoadProgress(const LoadProgress&) = delete;
    LoadProgress& operator=(const LoadProgress&) = delete;

    void step(std::string_view stepCp932, std::string_view detailCp932 = {});
    void setPosition(int position);
    void advance() { setPosition(state_.position + 1); }
    void finish() { setPosition(state_.maximum); }

private:
    void show();

    UserPort& port_;
    ProgressState state_;
};

} // namespace zefa
