#pragma once

#include <string>
#include <vector>

namespace zefa {

// The built-in user bet rules, as the lines of a new rule file (CP932, in ascending text order).
std::vector<std::string> defaultUserRuleLines();

} // namespace zefa
