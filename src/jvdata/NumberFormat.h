#pragma once

#include <string>
#include <string_view>

namespace zefa {

// Fixed-width number texts of JV-Data fields. Inputs are raw field texts read by the number rule
// (fieldNumber), outputs are CP932 and every width counts bytes.

// The value right-aligned in `width` ("%*d"); wider values are written whole.
std::string rightAligned(long long value, int width);

// The field's number right-aligned in the field's own width; blanks of that width when it is 0
// ("01" gives " 1", "00" two blanks).
std::string paddedNumber(std::string_view field);

// A field of n characters holding tenths, as value / 10 with one decimal in width n - 1
// ("0345" gives "34.5"); n blanks when 0.
std::string tenthsText(std::string_view field);

// The same in width n + 1 ("550" gives "55.0", "048" gives " 4.8"); n blanks when 0.
std::string tenthsTextWide(std::string_view field);

// A run time "msst" (minutes, seconds, tenths) as "1.34.5"; with minute "0" or blank as two blanks and
// "59.4"; "0000" gives six blanks.
std::string runTimeText(std::string_view field);

// A margin in seconds "sddt" (sign, two digits, tenths) as "-10.2", five characters; five blanks when
// there is none (digits "999" or blank, or "0000").
std::string marginText(std::string_view field);

// The average time in tenths of a second per 600 metres before the last 600 metres, three characters,
// from the run time "msst", the last-3F time in tenths and the distance in metres; three blanks when an
// input is blank or zero.
std::string earlyPaceText(std::string_view runTime, std::string_view lastThreeFurlongs, std::string_view distance);

// 1..18 as "①".."⑱"; anything else "－".
std::string circledNumber(long long number);
std::string circledNumber(std::string_view field);

// The field's number right-aligned in `width`; empty when it is 0 and `emptyWhenZero` is set.
std::string fixedWidthNumber(std::string_view field, int width, bool emptyWhenZero);

} // namespace zefa
