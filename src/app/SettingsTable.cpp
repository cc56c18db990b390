#include "app/SettingsTable.h"

#include "jvdata/EnumTable.h"

#include <array>

namespace zefa {
namespace {

using enum Setting;
constexpr auto Int = SettingType::Integer;
constexpr auto Bool = SettingType::Boolean;
constexpr auto Text = SettingType::String;

constexpr std::array kRows{
    SettingRow{LocateTop, "locate", "top", Int, "10"},
    SettingRow{LocateLeft, "locate", "left", Int, "10"},
    SettingRow{LocateWidth, "locate", "width", Int, "1200"},
    SettingRow{LocateHeight, "locate", "height", Int, "800"},
    SettingRow{KishuTop, "Kishulocate", "top", Int, "10"},
    SettingRow{KishuLeft, "Kishulocate", "left", Int, "10"},
    SettingRow{KishuWidth, "Kishulocate", "width", Int, "630"},
    SettingRow{KishuHeight, "Kishulocate", "height", Int, "450"},
    SettingRow{ChokTop, "Choklocate", "top", Int, "10"},
    SettingRow{ChokLeft, "Choklocate", "left", Int, "10"},
    SettingRow{ChokWidth, "Choklocate", "width", Int, "630"},
    SettingRow{ChokHeight, "Choklocate", "height", Int, "450"},
    SettingRow{UmaTop, "Umalocate", "top", Int, "10"},
    SettingRow{UmaLeft, "Umalocate", "left", Int, "10"},
    SettingRow{UmaWidth, "Umalocate", "width", Int, "630"},
    SettingRow{UmaHeight, "Umalocate", "height", Int, "450"},
    SettingRow{OzGetTimeFormTop, "OzGetTimeFormlocate", "top", Int, "10"},
    SettingRow{OzGetTimeFormLeft, "OzGetTimeFormlocate", "left", Int, "100"},
    SettingRow{CourseFormTop, "CourseFormlocate", "top", Int, "10"},
    SettingRow{CourseFormLeft, "CourseFormlocate", "left", Int, "600"},
    SettingRow{CSVKenshoFormTop, "CSVKenshoFormlocate", "top", Int, "10"},
    SettingRow{CSVKenshoFormLeft, "CSVKenshoFormlocate", "left", Int, "100"},
    SettingRow{CSVKenshoFormWidth, "CSVKenshoFormlocate", "width", Int, "1000"},
    SettingRow{CSVKenshoFormHeight, "CSVKenshoFormlocate", "height", Int, "600"},
    SettingRow{CSVOutFormTop, "CSVOutFormlocate", "top", Int, "10"},
    SettingRow{CSVOutFormLeft, "CSVOutFormlocate", "left", Int, "500"},
    SettingRow{DirZPCTohyo2, "Dir", "ZPCTohyo2", Text, ""},
    SettingRow{DirJikeiretu, "Dir", "jikeiretu", Text, "", DefaultSource::ProgramFolder},
    SettingRow{DirYoso, "Dir", "yoso", Text, "", DefaultSource::PredictedOddsFolder},
    SettingRow{LastTime, "JvDataGet", "LastTime", Text, ""},
    SettingRow{TimeFirst, "Time", "First", Text, "0945"},
    SettingRow{AutoOzGet, "Time", "AutoOzGet", Int, "10"},
    SettingRow{AutoRdataGet, "Time", "AutoRdataGet", Int, "10"},
    SettingRow{DefaultAmount, "KaimeSet", "DefaultAmount", Int, "3000"},
    SettingRow{HaibunSet, "KaimeSet", "HaibunSet", Int, "0"},
    SettingRow{KaimeModeSelected, "KaimeMode", "Selected", Int, "0"},
    SettingRow{IncludeFukushoba, "nohyokaba", "includefukushoba", Bool, "1"},
    SettingRow{Tenkai5, "Develop", "tenkai5", Bool, "0"},
    SettingRow{NinkiJoi5, "Develop", "NinkiJoi5", Bool, "0"},
    SettingRow{KakosoExclude, "Kakoso", "Exclude", Bool, "1"},
    SettingRow{Keshi, "Option", "Keshi", Bool, "0", DefaultSource::Text, 5},
    SettingRow{Keshi2CK, "Option", "Keshi2CK", Int, "0"},
    SettingRow{KeshiNin, "Option", "KeshiNin", Int, "0"},
    SettingRow{Miokuri, "Option", "miokuri", Bool, "0", DefaultSource::Text, 6},
    SettingRow{MiokuriTosu, "Option", "MiokuriTosu", Int, "0"},
    SettingRow{BashoMiokuri, "Option", "BashoMiokuri", Bool, "0", DefaultSource::Text, 10},
    SettingRow{TanMiokuri1, "Option", "TanMiokuri1", Int, "330"},
    SettingRow{TanMiokuri2, "Option", "TanMiokuri2", Int, "1200"},
    SettingRow{FukMiokuri1, "Option", "FukMiokuri1", Int, "330"},
    SettingRow{WRMiokuri1, "Option", "WRMiokuri1", Int, "330"},
    SettingRow{URMiokuri1, "Option", "URMiokuri1", Int, "330"},
    SettingRow{WDMiokuri1, "Option", "WDMiokuri1", Int, "170"},
    SettingRow{UTMiokuri1, "Option", "UTMiokuri1", Int, "660"},
    SettingRow{SRFMiokuri1, "Option", "SRFMiokuri1", Int, "330"},
    SettingRow{SRTMiokuri1, "Option", "SRTMiokuri1", Int, "660"},
    SettingRow{JikuChange, "Option", "JikuChange", Int, "0"},
    SettingRow{MultiHyokaJiku, "Option", "MultiHyokaJiku", Int, "0"},
    SettingRow{StartCSV, "Option", "StartCSV", Text, "", DefaultSource::MonthAYearAgo},
    SettingRow{Tan1Check, "Kaime", "Tan1Check", Bool, "1"},
    SettingRow{UT1Check, "Kaime", "UT1Check", Bool, "1"},
    SettingRow{UT2Check, "Kaime", "UT2Check", Bool, "1"},
    SettingRow{SRT1Check, "Kaime", "SRT1Check", Bool, "1"},
    SettingRow{SRT2Check, "Kaime", "SRT2Check", Bool, "1"},
    SettingRow{SRT3Check, "Kaime", "SRT3Check", Bool, "1"},
    SettingRow{KenshoPeriod, "Kensho", "period", Int, "1"},
};

static_assert(rowsFollowTheEnum(kRows, &SettingRow::setting) && static_cast<size_t>(KenshoPeriod) + 1 == kRows.size(),
              "kRows must list every Setting once, in enum order");

} // namespace

std::span<const SettingRow> settingsTable() { return kRows; }

const SettingRow& settingRow(Setting setting) { return kRows[static_cast<size_t>(setting)]; }

} // namespace zefa
