#include "acquire/JvResultMessage.h"

#include <gtest/gtest.h>

namespace zefa {
namespace {

struct Case {
    const char* operation;
    int code;
    const char* expected;
};

TEST(JvResultMessage, EdgeCasesOfTheGroupRules) {
    const Case cases[] = {
        {"JVClose", -1, "(-1)"},
        {"JVClose", 0, "正常に実行されました。(0)"},
        {"JVStatus", 7, "ダウンロード済みファイル数7(7)"},
        {"JVSetUIProperties", -101, "すでにサービスキーが登録されています。(-101)"},
        {"JVSetUIProperties", -5, "(-5)"},
        {"JVSetServiceKey", -100, "パラメータが不正あるいはレジストリへの保存に失敗しました。(-100)"},
        {"JVOpen", -1, " 取得済みデータより最新のデータがありません。(-1)"},
        {"JVRTOpen", -504, "サーバーがメンテナンス中です。(-504)"},
        {"JVCancel", 0, "(0)"},
        {"JVCancel", -1, "(-1)"},
        {"JVCancel", 12, "(12)"},
        {"jvclose", 0, "(0)"},
        {"JVMVCheck", 1, "正常(公開動画あり)に実行されました。(1)"},
        {"JVMVCheck", 0, "正常(公開動画なし)に実行されました。(0)"},
        {"JVInit", 3, "(3)"},
        {"JVRead", 2048, "バッファにセットしたデータのサイズ2048(2048)"},
        {"JVGets", 1, "バッファにセットしたデータのサイズ1(1)"},
        {"JVMVRead", 40, "バッファにセットしたデータのサイズ40(40)"},
    };
    for (const auto& c : cases) EXPECT_EQ(jvResultMessage(c.operation, c.code), c.expected) << c.operation << " " << c.code;
}

TEST(JvResultMessage, RowsOfEachGroupAreExact) {
    const Case cases[] = {
        {"JVInit", -103, "sid が不正（sid の１桁目がスペース）です。(-103)"},
        {"JVSetUIProperties", 0, "正常に実行されました。(0)"},
        {"JVStatus", -502, "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)"},
        {"JVRead", 0, "全ファイルの読み込みが終了しました。（ＥＯＦ ）(0)"},
        {"JVGets", -502, "ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)"},
        {"JVFileDelete", -503, "ファイルが見つかりません。(-503)"},
        {"JVFukuFile", -118, "filepath パラメータが不正です。(-118)"},
        {"JVFuku", -118, "(-118)"},
        {"JVFuku", -401, "JV- Link 内部エラーが発生しました。(-401)"},
        {"JVOpen", -411, "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。(-411)"},
        {"JVMVPlayWithType", -411, "サーバーエラー(HTTPステータス404NotFound)が発生しました。(-411)"},
        {"JVMVPlay", -304, "JRAレーシングビュアー連携機能認証エラーが発生しました。(-304)"},
        {"JVMVOpen", -114, "searchkeyパラメータが不正です。(-114)"},
        {"JVMVRead", -503, "一時ファイルが見つかりません。(-503)"},
        {"JVCourseFile", -118, "(-118)"},
        {"JVCourseFile2", -118, "filepathパラメータが不正です。(-118)"},
        {"JVRTOpen", -202, "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）(-202)"},
    };
    for (const auto& c : cases) EXPECT_EQ(jvResultMessage(c.operation, c.code), c.expected) << c.operation << " " << c.code;
}

} // namespace
} // namespace zefa
