#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zefa {

// UTF-8 texts of the core as Qt strings, and back.
inline QString qtText(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }
inline std::string coreText(const QString& text) { return text.toStdString(); }

} // namespace zefa
