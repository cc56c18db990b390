#pragma once

#include "acquire/JvLink.h"

#include <memory>
#include <string_view>

namespace zefa {

struct Session;
class UserPort;

inline constexpr std::string_view kApplicationTitle = "ゼファ式オッズ投資法[展開編]";
inline constexpr std::string_view kMainWindowCaption = "ゼファ式オッズ投資法[展開編] ";
inline constexpr std::string_view kVersionText = "Ver.1.20";

// The identifier JV-Link knows this software by; the version text follows it in JVInit.
inline constexpr std::string_view kSoftwareId = "ZEFA2/TNK120/ODDSTOUSHIHO/";
static_assert(kSoftwareId.size() == 26 && kSoftwareId.back() == '/');

// The position and size of a window.
struct WindowPlacement {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowPlacement&) const = default;
};

// Makes the JV-Link of this run. When it cannot be made, tells the user to install JV-Link and
// returns nullptr: the program then ends.
std::unique_ptr<JvLink> createJvLinkOrExplain(const JvLinkFactory& factory, UserPort& port);

// The main window is being created: companion folders, the program's folders, the user bet rules,
// the error log, the bet settings, the menu checks and the day list, in that order. A folder that
// cannot be created throws Error and ends the start; other failures are shown and the start goes on.
void mainFormCreate(Session& session);

// The main window position kept in the settings.
WindowPlacement mainFormPlacement(const Session& session);

// The main window is shown: initialises JV-Link and checks its version.
void mainFormShow(Session& session);

// The main window is asked to close: keeps its position. Closing is always allowed.
void mainFormCloseQuery(Session& session, const WindowPlacement& placement);

} // namespace zefa
