#include "app/UserRuleFiles.h"

#include "app/UserPort.h"
#include "jvdata/Error.h"
#include "jvdata/RecordView.h"
#include "jvdata/TextCompare.h"
#include "store/TextLines.h"
#include "store/WholeFile.h"

#include <algorithm>

namespace zefa {
namespace {

constexpr std::string_view kExtension = ".dat";
constexpr std::string_view kDefaultNameStart = "設定";
// Characters no file name may hold on either desktop; ".." is refused as well.
constexpr std::string_view kForbiddenCharacters = "/\\:*?\"<>|";
constexpr std::string_view kParent = "..";

bool isRuleFile(const std::filesystem::directory_entry& entry) {
    return entry.is_regular_file() && equalsFolded(entry.path().extension().string(), kExtension);
}

// A typed name stays a file name inside the User folder.
bool safeFileName(std::string_view name) {
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
    return std::none_of(name.begin(), name.end(), control) && name.find_first_of(kForbiddenCharacters) == std::string_view::npos &&
           name.find(kParent) == std::string_view::npos;
}

// A name taken from the list: one entry of the folder, not a path.
std::filesystem::path listedFile(const std::filesystem::path& userFolder, const std::string& file) {
    const std::filesystem::path name(file);
    if (file.empty() || name.filename() != name || file == "." || file == kParent)
        throw Error("設定ﾌｧｲﾙ[" + file + "]はUserフォルダのファイルではありません。");
    return userFolder / name;
}

void removeFile(const std::filesystem::path& userFolder, const std::string& file) {
    std::error_code error;
    if (!std::filesystem::remove(listedFile(userFolder, file), error) && error)
        throw Error("設定ﾌｧｲﾙ[" + file + "]を削除できません。(" + error.message() + ")");
}

bool refuse(UserPort& port, std::string_view message) {
    port.beep();
    port.information(message);
    return false;
}

} // namespace

std::vector<std::string> listRuleFiles(const std::filesystem::path& userFolder) {
    std::vector<std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(userFolder, error), end; !error && it != end; it.increment(error))
        if (isRuleFile(*it)) files.push_back(it->path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string defaultRuleFileName(const DateTime& start) { return std::string(kDefaultNameStart) + formatDateTime(start, "yyyymmdd"); }

bool saveRuleFileAs(const std::vector<std::string>& rules, const std::filesystem::path& userFolder, std::string_view name,
                    UserPort& port) {
    const std::string base(trimmed(name));
    if (base.empty()) return refuse(port, "設定ﾌｧｲﾙ名を入力してください。");
    if (!safeFileName(base))
        return refuse(port, "設定ﾌｧｲﾙ名[" + base + "]は使えません。\\ / : * ? \" < > | と .. を含まない名前を入力してください。");
    const std::string file = base + std::string(kExtension);
    if (!port.confirm("[" + file + "]というﾌｧｲﾙ名で現在の設定を保存します。よろしいですか?")) return false;
    if (std::filesystem::exists(userFolder / file) && !port.confirm("[" + file + "]はすでに存在しています。上書きしますか?"))
        return false;
    saveLines(userFolder / file, rules);
    port.information("現在の設定を[" + file + "]に保存ました。");
    return true;
}

bool loadRuleFile(std::vector<std::string>& rules, const std::filesystem::path& userFolder,
                  const std::optional<std::string>& file, const std::filesystem::path& ruleFile, UserPort& port) {
    if (!file) return refuse(port, "読み込みたい設定ﾌｧｲﾙを選択してください。");
    if (!port.confirm("[" + *file + "]の内容を現在の設定へ読み込みます。現在の設定内容は消去されますが、よろしいですか?"))
        return false;
    const auto bytes = readFileIfExists(listedFile(userFolder, *file));
    if (!bytes) throw Error("設定ﾌｧｲﾙ[" + *file + "]が見つかりません。");
    std::vector<std::string> lines = splitLines(*bytes);
    saveLines(ruleFile, lines);
    rules = std::move(lines);
    return true;
}

bool deleteRuleFile(const std::filesystem::path& userFolder, const std::optional<std::string>& file, UserPort& port) {
    if (!file) return refuse(port, "削除したい設定ﾌｧｲﾙを選択してください。");
    if (!port.confirm("設定ﾌｧｲﾙ[" + *file + "]を削除します。よろしいですか?")) return false;
    removeFile(userFolder, *file);
    port.information("設定ﾌｧｲﾙ[" + *file + "]を削除しました。");
    return true;
}

bool deleteAllRuleFiles(const std::filesystem::path& userFolder, UserPort& port) {
    const auto files = listRuleFiles(userFolder);
    if (files.empty()) return false;
    if (!port.confirm(std::to_string(files.size()) + "個の設定ﾌｧｲﾙを全て削除します。よろしいですか?")) return false;
    for (const auto& file : files) removeFile(userFolder, file);
    port.information("全ての設定ﾌｧｲﾙを削除しました。");
    return true;
}

} // namespace zefa
