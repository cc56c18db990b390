#pragma once

#include <functional>

namespace zefa {

class UserPort;

// Runs a command to its end: an Error stops it with a beep and its message. False when it failed.
bool runCommand(UserPort& port, const std::function<void()>& command);

} // namespace zefa
