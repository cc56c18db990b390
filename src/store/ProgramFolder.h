#pragma once

#include <array>
#include <filesystem>
#include <string_view>

namespace zefa {

// Names of the folders under the program folder.
namespace folder {
inline constexpr std::string_view Data = "Data";
inline constexpr std::string_view Csv = "CSV";
inline constexpr std::string_view Sei = "SEI";
inline constexpr std::string_view Seir = "SEIR";
inline constexpr std::string_view User = "User";
inline constexpr std::string_view Chg = "CHG";
inline constexpr std::string_view Kaime = "Kaime";
} // namespace folder

// The folder that holds every file the program keeps, and the names of its parts.
class ProgramFolder {
public:
    explicit ProgramFolder(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path operator/(std::string_view relative) const { return root_ / relative; }

    std::filesystem::path data() const { return root_ / folder::Data; }
    std::filesystem::path csv() const { return root_ / folder::Csv; }
    std::filesystem::path sei() const { return root_ / folder::Sei; }
    std::filesystem::path seir() const { return root_ / folder::Seir; }
    std::filesystem::path user() const { return root_ / folder::User; }
    std::filesystem::path chg() const { return root_ / folder::Chg; }
    std::filesystem::path kaime() const { return root_ / folder::Kaime; }

    std::filesystem::path settingsFile() const { return root_ / "zefa.ini"; }
    std::filesystem::path errorLog() const { return root_ / "ErrorLog.txt"; }
    std::filesystem::path userRuleFile() const { return root_ / "userkaimeset.dat"; }
    std::filesystem::path manual() const { return root_ / "Zefa2.pdf"; }

    // The folders start-up creates, in the order it creates them.
    static constexpr std::array<std::string_view, 7> kStartupFolders{folder::Data, folder::Csv, folder::Sei, folder::Seir,
                                                                         folder::User, folder::Chg, folder::Kaime};

private:
    std::filesystem::path root_;
};

} // namespace zefa
