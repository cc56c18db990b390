#pragma once

#include <string>
#include <string_view>

namespace zefa {

// Venues by JV-Data venue code (競馬場コード, two characters, matched exactly). Outputs are CP932.

// Form 2: the two-character name in four bytes ("東京", "約  "); form 3: the three-character name in
// six bytes ("東京  ", "宇都宮", "西独　"). A code not listed gives blanks of the form's width.
std::string venueName(std::string_view code, int form);

// "東京  " and so on for the ten central venues, "地方  " for local tracks, "海外  " for overseas
// venues; six blanks for anything else.
std::string venueCategory(std::string_view code);

// The venue of the 0..9 coding of predicted-odds lines from outside sources (a numeric field):
// 0 京都 … 9 函館; "ｿﾉ他" for anything else.
std::string predictedOddsVenueName(std::string_view code);

// The venue code of a central venue's two-character name ("東京" gives "05"); two blanks otherwise.
std::string venueCode(std::string_view name);

} // namespace zefa
