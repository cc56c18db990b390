#pragma once

#include <filesystem>
#include <optional>

namespace zefa {

// The program folder: the named one (--home), else $ZEFA_HOME, else the folder of the program file.
std::filesystem::path resolveProgramFolder(const std::optional<std::filesystem::path>& named);

// The JV-Data feed folder: the named one (--feed), else $ZEFA_FEED, else "feed" in the program folder.
std::filesystem::path resolveFeedFolder(const std::optional<std::filesystem::path>& named,
                                        const std::filesystem::path& programFolder);

} // namespace zefa
