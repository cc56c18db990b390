#pragma once

#include "jvdata/DateTime.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zefa {

// The rolling log of failed automatic fetches, "ErrorLog.txt": CP932 lines ended by CR LF,
// always read and saved whole. Lines already in it are kept as the bytes they are.
// Every failure is an Error naming the file, and the file is then left as it was.

// Start of a run: keeps the newest 100 lines, adds the start time and the program folder (UTF-8),
// saves the log and returns its lines.
std::vector<std::string> startErrorLog(const std::filesystem::path& log, const DateTime& now,
                                       std::string_view programFolder);

// Adds "【エラー】hh:nn:ss：" and the status text (UTF-8) as the log's last line.
void appendErrorLine(const std::filesystem::path& log, const DateTime& now, std::string_view statusText);

} // namespace zefa
