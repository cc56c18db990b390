#pragma once

#include <string>
#include <string_view>

namespace zefa {

// Labels of the horse-level codes of JV-Data records. Codes are raw field texts matched exactly, except
// where a field is numeric; outputs are CP932.

// Sex code (1): 牡 牝 ｾﾝ; empty otherwise.
std::string sexLabel(std::string_view code);

// Coat colour code (2): 01 栗毛 … 11 白毛; "－" otherwise.
std::string coatColourLabel(std::string_view code);

// Horse symbol code (numeric, 2): 1 (抽) … 41 (父)(外)[地]; one full-width blank otherwise.
std::string horseSymbolLabel(std::string_view code);

// Breed code (1) in form 1 (サラ系) or 9 (ｻﾗﾌﾞﾚｯﾄﾞ系種); empty otherwise.
std::string breedLabel(std::string_view code, int form);

// Running style (1): 逃 先 差 追; two blanks otherwise.
std::string runningStyleLabel(std::string_view code);

// Blinker flag (1): "1" gives "○" / "ﾌﾞﾘﾝ"; otherwise "－" / one blank.
std::string blinkerLabel(std::string_view code);
std::string blinkerMark(std::string_view code);

} // namespace zefa
