#pragma once

#include <string>
#include <string_view>

namespace zefa {

// Labels of the race-level codes of JV-Data records. Codes are raw field texts matched exactly, except
// where a field is numeric; outputs are CP932.

// Track code (numeric, 2): "芝右" (empty for 25..28), "芝右外" / "芝右　" in six bytes, and "芝 右回り 外回り".
// Codes not listed give empty texts.
std::string trackLabel(std::string_view code);
std::string trackLabelShort(std::string_view code);
std::string trackLabelLong(std::string_view code);

// Weather code (1): 晴 曇 雨 小雨 雪 小雪; empty otherwise.
std::string weatherLabel(std::string_view code);

// Going code (1) in form 0 (良), 1 (芝:良) or 2 (ダ:良); empty otherwise.
std::string goingLabel(std::string_view code, int form);

// Weekday code (numeric, 1): 0 a full-width blank, 1 土 … 8 金; empty otherwise.
std::string weekdayLabel(std::string_view code);

// Grade code (1) in five bytes: "G1   ", "重賞 ", "List "; two full-width blanks and a blank otherwise.
std::string gradeLabel(std::string_view code);

// Race type code (2) in form 4 (サラ３上, eight bytes) or form 8 (サラ系３歳以上 filled up with full-width
// blanks to 16 bytes); full-width blanks of that width otherwise.
std::string raceTypeLabel(std::string_view code, int form);

// Race type code (2) as the class text without condition: "ｻﾗ系3歳以上" filled up with blanks to 16 bytes;
// 16 blanks otherwise.
std::string raceTypeText(std::string_view code);

// Weight rule code (1): ﾊﾝﾃﾞ 別定 馬齢 定量; empty otherwise.
std::string weightTypeLabel(std::string_view code);

// Race symbol code (3), e.g. "A01" "(混合)(指定)", filled up with full-width blanks to 24 bytes; codes not
// listed, "000" among them, give 12 full-width blanks.
std::string raceSymbolLabel(std::string_view code);

} // namespace zefa
