#include "app/LoadProgress.h"

#include "jvdata/Cp932.h"

namespace zefa {

LoadProgress::LoadProgress(UserPort& port, int maximum, std::string caption) : port_(port) {
    state_.maximum = maximum;
    state_.caption = std::move(caption);
}

LoadProgress::~LoadProgress() { port_.closeProgress(); }

void LoadProgress::step(std::string_view stepCp932, std::string_view detailCp932) {
    state_.step = toUtf8(stepCp932);
    state_.detail = toUtf8(detailCp932);
    show();
}

void LoadProgress::setPosition(int position) {
    state_.position = position;
    show();
}

void LoadProgress::show() {
    port_.showProgress(state_);
    port_.processEvents();
}

} // namespace zefa
