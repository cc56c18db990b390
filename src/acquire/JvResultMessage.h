#pragma once

#include <string>
#include <string_view>

namespace zefa {

// The words for a JV-Link result code of an operation (such as "JVOpen"), followed by the
// code in brackets: "サーバーがメンテナンス中です。(-504)". UTF-8.
std::string jvResultMessage(std::string_view operation, int code);

} // namespace zefa
