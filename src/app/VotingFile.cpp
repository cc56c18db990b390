#include "app/VotingFile.h"

#include "app/Session.h"
#include "app/UserPort.h"
#include "jvdata/RaceRecord.h"
#include "jvdata/RecordView.h"
#include "store/WholeFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>

namespace zefa {
namespace {

struct VotingKind {
    std::string_view word;
    bool paddedNumbers; // "03-12"; bracket numbers are written without leading zero ("3-5")
};

// By BetType order.
constexpr std::array<VotingKind, 8> kVotingKinds{{
    {"TAN", true},     {"FUKU", true},   {"WAKU", false},    {"UMAFUKU", true},
    {"WIDE", true},    {"UMATAN", true}, {"SANFUKU", true},  {"SANTAN", true},
}};

constexpr std::string_view kVoteKind = "NORMAL";
constexpr std::string_view kLineEnd = "\r\n";

// The numbers of a ComboText stand at characters 1-2, 4-5 and 7-8.
constexpr int kComboNumberStride = 3;
constexpr int kComboNumberWidth = 2;

constexpr std::string_view kFolderTitle = "ZPC投票プラグイン２フォルダの指定";

const VotingKind& votingKind(BetType type) { return kVotingKinds[size_t(type)]; }

// Field 7: the numbers of the combination joined by "-".
std::string votingCombination(BetType type, std::string_view comboText) {
    std::string text;
    for (int k = 0; k < betTypeRow(type).size; ++k) {
        const long long number = fieldNumber(fieldOf(comboText, {1 + k * kComboNumberStride, kComboNumberWidth}));
        char digits[24];
        std::snprintf(digits, sizeof digits, votingKind(type).paddedNumbers ? "%02lld" : "%lld", number);
        if (k > 0) text += '-';
        text += digits;
    }
    return text;
}

void refuse(Session& session, std::string_view message) {
    session.port.beep();
    session.port.information(message);
}

bool raceSelected(const Session& session) {
    return session.selectedRaceSlot >= 0 && size_t(session.selectedRaceSlot) < session.raceList.size() &&
           session.selectedRaceSlot < kRaceSlots;
}

bool anyVotedRow(const BetList& list) {
    for (int row = 1; row <= list.dataRows(); ++row)
        if (votedRow(list, row)) return true;
    return false;
}

std::string plugInFolderText(const Session& session) {
    return std::string(trimmed(session.settings.readString(Setting::DirZPCTohyo2)));
}

} // namespace

std::string_view votingWord(BetType type) { return votingKind(type).word; }

bool votedRow(const BetList& list, int row) {
    return !blankCell(list.cell(row, BetColumn::Combination)) && !blankCell(list.cell(row, BetColumn::Odds)) &&
           !blankCell(list.cell(row, BetColumn::Stake)) && !list.struck(row);
}

std::vector<std::string> votingLines(const BetList& list, BetType type, std::string_view raceRecord) {
    std::string head; // fields 1 to 5, the same on every line
    for (const Field field : {RaceRecordView::RaceDate, RaceRecordView::VenueCode, RaceRecordView::RaceNumber}) {
        head += fieldOf(raceRecord, field);
        head += ',';
    }
    head += votingWord(type);
    head += ',';
    head += kVoteKind;
    head += ',';

    std::vector<std::string> lines;
    for (int row = 1; row <= list.dataRows(); ++row) {
        if (!votedRow(list, row)) continue;
        lines.push_back(head + std::string(trimmed(list.cell(row, BetColumn::Stake))) + ',' +
                        votingCombination(type, list.cell(row, BetColumn::Combination)) + ',');
    }
    return lines;
}

std::string votingFileName(std::string_view raceRecord) {
    const std::string_view year = fieldOf(raceRecord, RaceRecordView::Year);
    return std::string(year.substr(std::min<size_t>(2, year.size()))) +
           std::string(fieldOf(raceRecord, RaceRecordView::MonthDay)) + ".csv";
}

void tohyoCSVBtnClick(Session& session, BetType type) {
    if (trimmed(session.selectedDay).empty()) return refuse(session, "開催日ﾃﾞｰﾀを読み込んでください。");
    if (!raceSelected(session)) return refuse(session, "レースデータを読み込んでください。");
    // Counts the rows that would be written: a struck row may keep an old stake when the amount
    // is below 100 yen, and an empty file must not reach the plug-in.
    const BetList& list = session.betLists[size_t(type)];
    if (!anyVotedRow(list)) return refuse(session, "買い目が作成されていません。");
    if (plugInFolderText(session).empty())
        return refuse(session, "「ZPC投票プラグイン２」が正常にインストールされていません。再インストールしてください。");

    const std::string& race = session.store.slot(session.selectedRaceSlot).race;
    std::string text;
    for (const std::string& line : votingLines(list, type, race)) text += line + std::string(kLineEnd);

    if (!session.port.confirm("[" + session.raceList[size_t(session.selectedRaceSlot)] + ":" +
                              std::string(betTypeRow(type).name) + "]に投票します。実行してよろしいですか？"))
        return;
    const std::filesystem::path csv =
        std::filesystem::path(plugInFolderText(session)) / kPlugInKaimeFolder / votingFileName(race);
    saveFileWhole(csv, text);

    const std::filesystem::path folder = plugInFolderText(session);
    if (!session.port.startProgram(folder / kPlugInProgram, csv.string(), folder))
        refuse(session, "投票プラグイン２の呼び出しでエラーが発生しました。\r\n"
                        "投票プラグイン２が正しくインストールされているか確認してください。");
}

void zpc1Click(Session& session) {
    const std::string stored = plugInFolderText(session);
    const std::filesystem::path start = stored.empty() ? session.folder.root() : std::filesystem::path(stored);
    if (const auto chosen = session.port.chooseFolder(kFolderTitle, start))
        session.settings.writeString(Setting::DirZPCTohyo2, chosen->string());
}

} // namespace zefa
