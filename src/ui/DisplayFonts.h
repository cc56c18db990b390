#pragma once

#include "jvdata/Rgb.h"

#include <QColor>
#include <QFont>

namespace zefa {

// The display's Japanese font at a point size of the grids' 96-dpi layouts, as pixels so that the
// texts fit their fixed rows on any screen.
inline QFont displayFont(int pointSize, bool bold = false) {
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(pointSize * 96 / 72);
    font.setBold(bold);
    return font;
}

inline QColor qtColour(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

} // namespace zefa
