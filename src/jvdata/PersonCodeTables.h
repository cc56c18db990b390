#pragma once

#include <string>
#include <string_view>

namespace zefa {

// Labels of the codes of jockey and trainer records. Codes (1) are matched exactly; outputs are CP932.

// Sex code: 男 女; one full-width blank otherwise.
std::string personSexLabel(std::string_view code);

// Flat and jumps licence code: 平・障 平地 障害; "－" otherwise.
std::string licenceLabel(std::string_view code);

// East/west affiliation code (1 east, 2 west, 3 local invitation, 4 foreign invitation) in forms 1..7:
// 東 / 関東 / 美浦 / 関東馬 / [東] / 美浦 / 美 for code 1; "－" otherwise.
std::string affiliationLabel(std::string_view code, int form);

// Apprentice code: 1 1kg減 … 4 4kg減, 9 2kg減; one full-width blank otherwise.
std::string apprenticeLabel(std::string_view code);

// Apprentice mark in form 1 (☆), 2 (1kg減) or 9 (1kg減(☆)); otherwise one full-width blank in form 1,
// "－" in forms 2 and 9.
std::string apprenticeMark(std::string_view code, int form);

} // namespace zefa
