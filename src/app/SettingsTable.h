#pragma once

#include <span>
#include <string_view>

namespace zefa {

// Every setting the program keeps in its settings file. The order is the order of kSettingsTable.
enum class Setting {
    LocateTop, LocateLeft, LocateWidth, LocateHeight,
    KishuTop, KishuLeft, KishuWidth, KishuHeight,
    ChokTop, ChokLeft, ChokWidth, ChokHeight,
    UmaTop, UmaLeft, UmaWidth, UmaHeight,
    OzGetTimeFormTop, OzGetTimeFormLeft,
    CourseFormTop, CourseFormLeft,
    CSVKenshoFormTop, CSVKenshoFormLeft, CSVKenshoFormWidth, CSVKenshoFormHeight,
    CSVOutFormTop, CSVOutFormLeft,
    DirZPCTohyo2, DirJikeiretu, DirYoso,
    LastTime,
    TimeFirst, AutoOzGet, AutoRdataGet,
    DefaultAmount, HaibunSet,
    KaimeModeSelected,
    IncludeFukushoba,
    Tenkai5, NinkiJoi5,
    KakosoExclude,
    Keshi,        // Keshi1 … Keshi5
    Keshi2CK, KeshiNin,
    Miokuri,      // miokuri1 … miokuri6
    MiokuriTosu,
    BashoMiokuri, // BashoMiokuri1 … BashoMiokuri10
    TanMiokuri1, TanMiokuri2, FukMiokuri1, WRMiokuri1, URMiokuri1, WDMiokuri1, UTMiokuri1, SRFMiokuri1, SRTMiokuri1,
    JikuChange, MultiHyokaJiku,
    StartCSV,
    Tan1Check, UT1Check, UT2Check, SRT1Check, SRT2Check, SRT3Check,
    KenshoPeriod,
};

enum class SettingType { Integer, Boolean, String };

// Defaults that are not fixed texts.
enum class DefaultSource {
    Text,               // the row's default text
    ProgramFolder,      // the program folder
    PredictedOddsFolder,// the program folder's "ylzh" folder
    MonthAYearAgo,      // today minus 365 days as "yyyymm"
};

struct SettingRow {
    Setting setting;
    std::string_view section;
    std::string_view key;
    SettingType type;
    std::string_view defaultText;
    DefaultSource source = DefaultSource::Text;
    int numbered = 0; // > 0: the key is followed by a number 1 … numbered
};

// The master table: every section, key, type and default, in one place.
std::span<const SettingRow> settingsTable();

const SettingRow& settingRow(Setting setting);

} // namespace zefa
