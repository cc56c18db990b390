#pragma once

namespace zefa {

struct Session;

// The automatic odds check box was toggled: arms or disarms the automatic odds fetches.
void autoOzCheckClick(Session& session);

// Reads the day's post-time changes and applies them to the race schedule.
void kaisaiReadBtnClick(Session& session);

} // namespace zefa
