#include "acquire/JvResultMessage.h"

#include <algorithm>
#include <array>

namespace zefa {
namespace {

// A name ending in this mark stands for every operation that starts with the rest of it.
constexpr char kPrefixMark = '*';

struct MessageRow {
    int code;
    std::string_view message;
    std::string_view operations; // names separated by blanks; "JVSet*" is the JVSet group
};

constexpr std::array<MessageRow, 63> kMessages{{
    {1, "正常(公開動画あり)に実行されました。", "JVMVCheck"},
    {0, "正常に実行されました。", "JVInit JVSet* JVOpen JVRTOpen JVStatus JVFileDelete JVFukuFile JVFuku JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2 JVClose"},
    {0, "全ファイルの読み込みが終了しました。（ＥＯＦ ）", "JVRead JVGets JVMVRead"},
    {0, "正常(公開動画なし)に実行されました。", "JVMVCheck"},
    {-1, " 取得済みデータより最新のデータがありません。", "JVOpen JVRTOpen"},
    {-1, "ファイルが切り替わりました。", "JVRead JVGets"},
    {-1, "該当データがありません。", "JVFukuFile JVFuku JVMVCheck JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-2, "セットアップダイアログでキャンセルが押されました。", "JVOpen JVRTOpen"},
    {-3, "ファイルダウンロード中", "JVRead JVGets"},
    {-3, "データダウンロード中", "JVMVRead"},
    {-100, "パラメータが不正あるいはレジストリへの保存に失敗しました。", "JVSetUIProperties JVSet*"},
    {-100, "パラメータが不正またはレジストリへの保存に失敗しました。", "JVMVPlay JVMVPlayWithType"},
    {-101, "sid が設定されていません。", "JVInit"},
    {-101, "すでにサービスキーが登録されています。", "JVSet*"},
    {-102, "sid が64byte 以上あります。", "JVInit"},
    {-103, "sid が不正（sid の１桁目がスペース）です。", "JVInit"},
    {-111, "dataspec パラメータが不正です。", "JVOpen JVRTOpen"},
    {-111, "movietypeパラメータが不正です。", "JVMVPlay JVMVPlayWithType JVMVOpen"},
    {-112, "fromdate パラメータが不正です。", "JVOpen JVRTOpen"},
    {-114, "key パラメータが不正です。", "JVOpen JVRTOpen JVMVCheck"},
    {-114, "keyパラメータが不正です。", "JVMVPlay JVMVPlayWithType JVCourseFile JVCourseFile2"},
    {-114, "searchkeyパラメータが不正です。", "JVMVOpen"},
    {-115, "option パラメータが不正です。", "JVOpen JVRTOpen"},
    {-116, "dataspec とoption の組み合わせが不正です。", "JVOpen JVRTOpen"},
    {-118, "filepath パラメータが不正です。", "JVFukuFile"},
    {-118, "filepathパラメータが不正です。", "JVCourseFile2"},
    {-201, "JVInit が行なわれていません。", "JVOpen JVRTOpen JVFukuFile JVFuku JVMVCheck"},
    {-201, "JVInitが行なわれていません。", "JVStatus JVRead JVGets JVFileDelete JVMVRead"},
    {-201, "JVInitが行われていません。", "JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-202, "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）", "JVOpen JVRTOpen JVRead JVGets JVMVCheck JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-203, "JVOpenが行なわれていません。", "JVStatus JVRead JVGets"},
    {-203, "JVMVOpenが行なわれていません。", "JVMVRead"},
    {-211, "レジストリ内容が不正（レジストリ内容が不正に変更された）です。", "JVOpen JVRTOpen JVFukuFile JVFuku JVMVCheck"},
    {-211, "レジストリ内容が不正です。", "JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-301, "認証エラーが発生しました。", "JVOpen JVRTOpen JVFukuFile JVFuku JVMVCheck JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-302, "サービスキーの有効期限切れです。", "JVOpen JVRTOpen JVFukuFile JVFuku JVMVCheck"},
    {-302, "サービスキーの期限切れです。", "JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-303, "サービスキーが設定されていません。（サービスキーが空値）", "JVOpen JVRTOpen JVFukuFile JVFuku JVMVCheck"},
    {-303, "サービスキーが設定されていません。", "JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-304, "JRAレーシングビュアー連携機能認証エラーが発生しました。", "JVMVPlay JVMVPlayWithType JVMVOpen"},
    {-305, "JV-Link 利用規約への同意が必要です。", "JVOpen JVRTOpen"},
    {-401, "JV-Link 内部エラーが発生しました。", "JVOpen JVRTOpen"},
    {-401, "JV- Link 内部エラーが発生しました。", "JVFukuFile JVFuku JVMVCheck"},
    {-401, "JV-Link内部エラーが発生しました。", "JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-402, "ダウンロードしたファイルサイズが異常です。", "JVRead JVGets JVMVRead"},
    {-403, "ダウンロードしたファイル内容が異常です。", "JVRead JVGets JVMVRead"},
    {-411, "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。", "JVOpen JVRTOpen JVFukuFile JVFuku JVMVCheck"},
    {-411, "サーバーエラー(HTTPステータス404NotFound)が発生しました。", "JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-412, "サーバーエラー（HTTP ステータス403 Forbidden ）が発生しました。", "JVOpen JVRTOpen JVFukuFile JVFuku JVMVCheck"},
    {-412, "サーバーエラー(HTTPステータス403Forbidden)が発生しました。", "JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-413, "サーバーエラー（HTTP ステータス200,403,404 以外）が発生しました。", "JVOpen JVRTOpen JVFukuFile JVFuku JVMVCheck"},
    {-413, "サーバーエラー(HTTPステータス200,403,404以外)が発生しました。", "JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-421, "サーバーエラー（サーバーの応答が不正）が発生しました。", "JVOpen JVRTOpen JVFukuFile JVFuku JVMVCheck"},
    {-421, "サーバーエラー(サーバーの応答が不正)が発生しました。", "JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-431, "サーバーエラー（サーバーアプリケーション内部エラー）が発生しました。", "JVOpen JVRTOpen JVFukuFile JVFuku JVMVCheck"},
    {-431, "サーバーエラー(サーバーアプリケーション内部エラー)が発生しました。", "JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
    {-501, "セットアップ処理においてＣＤ －ＲＯＭ が無効です。", "JVOpen JVRTOpen"},
    {-502, "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）", "JVStatus"},
    {-502, "ダウンロードに失敗しました。(通信エラーやディスクエラー)", "JVRead JVGets JVMVRead JVCourseFile JVCourseFile2"},
    {-503, "ファイルが見つかりません。", "JVRead JVGets JVFileDelete"},
    {-503, "一時ファイルが見つかりません。", "JVMVRead"},
    {-504, "サーバーがメンテナンス中です。", "JVOpen JVRTOpen JVFukuFile JVFuku JVMVCheck"},
    {-504, "サーバーメンテナンス中です。", "JVMVPlay JVMVPlayWithType JVMVOpen JVCourseFile JVCourseFile2"},
}};

// The groups in the order they are compared. Names of one group follow each other; only the
// JVSet group overlaps another name, and being later its rows decide for JVSetUIProperties.
constexpr std::array<std::string_view, 19> kGroupOrder{
    "JVInit", "JVSetUIProperties", "JVSet*", "JVOpen", "JVRTOpen", "JVStatus", "JVRead",
    "JVGets", "JVFileDelete", "JVFukuFile", "JVFuku", "JVMVCheck", "JVMVPlay", "JVMVPlayWithType",
    "JVMVOpen", "JVMVRead", "JVCourseFile", "JVCourseFile2", "JVClose"};

// A positive code of these operations is a count, not a row of the table.
struct CountRule {
    std::string_view operations;
    std::string_view words;
};

constexpr std::array<CountRule, 2> kCountRules{{
    {"JVStatus", "ダウンロード済みファイル数"},
    {"JVRead JVGets JVMVRead", "バッファにセットしたデータのサイズ"},
}};

bool listed(std::string_view names, std::string_view name) {
    while (!names.empty()) {
        const size_t end = std::min(names.find(' '), names.size());
        if (names.substr(0, end) == name) return true;
        names.remove_prefix(std::min(end + 1, names.size()));
    }
    return false;
}

bool matches(std::string_view group, std::string_view operation) {
    if (group.ends_with(kPrefixMark)) return operation.starts_with(group.substr(0, group.size() - 1));
    return operation == group;
}

std::string_view groupMessage(std::string_view group, int code) {
    const auto row = std::find_if(kMessages.begin(), kMessages.end(), [&](const MessageRow& r) {
        return r.code == code && listed(r.operations, group);
    });
    return row == kMessages.end() ? std::string_view() : row->message;
}

} // namespace

std::string jvResultMessage(std::string_view operation, int code) {
    std::string message;
    for (const auto group : kGroupOrder)
        if (matches(group, operation)) message = groupMessage(group, code);
    if (code > 0)
        for (const auto& rule : kCountRules)
            if (listed(rule.operations, operation)) message = std::string(rule.words) + std::to_string(code);
    return message + "(" + std::to_string(code) + ")";
}

} // namespace zefa
