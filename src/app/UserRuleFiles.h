#pragma once

#include "jvdata/DateTime.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

class UserPort;

// Whole rule tables kept as "*.dat" files in the User folder. File names are UTF-8.

// The "*.dat" files of the folder, in ascending order; none when the folder is missing.
std::vector<std::string> listRuleFiles(const std::filesystem::path& userFolder);

// The name the file window offers: "設定" and the date, as "設定20240106".
std::string defaultRuleFileName(const DateTime& start);

// "保存": saves the table as `name` (trimmed) + ".dat" after the user agrees, and again before it
// replaces a file of that name. A name that could leave the folder is refused. True when saved.
bool saveRuleFileAs(const std::vector<std::string>& rules, const std::filesystem::path& userFolder, std::string_view name,
                    UserPort& port);

// "読込": after the user agrees, the file's lines become the table, saved to `ruleFile` first.
// True when loaded.
bool loadRuleFile(std::vector<std::string>& rules, const std::filesystem::path& userFolder,
                  const std::optional<std::string>& file, const std::filesystem::path& ruleFile, UserPort& port);

// "選択中の設定ﾌｧｲﾙを削除(&D)". True when deleted.
bool deleteRuleFile(const std::filesystem::path& userFolder, const std::optional<std::string>& file, UserPort& port);

// "全設定ﾌｧｲﾙを削除(&A)": every listed file, after the user agrees; nothing when there is none.
// True when deleted.
bool deleteAllRuleFiles(const std::filesystem::path& userFolder, UserPort& port);

} // namespace zefa
