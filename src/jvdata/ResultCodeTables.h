#pragma once

#include <string>
#include <string_view>

namespace zefa {

// Labels of the result codes of runner records. Outputs are CP932.

// Anomaly code (1), eight bytes: 出走取消, 発走除外, 競争除外, 競争中止, "失格    ", 落馬再騎, "降着　　";
// eight blanks otherwise.
std::string anomalyLabel(std::string_view code);

// Margin code (3, trimmed of blanks before the lookup) in form 1 ("1_1/2", "ハナ") or form 9
// ("1_1/2馬身" in nine bytes, filled with blanks); empty in form 1 and nine blanks in form 9 otherwise.
std::string marginLabel(std::string_view code, int form);

} // namespace zefa
