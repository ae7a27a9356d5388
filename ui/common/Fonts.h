#pragma once

#include <QFont>

namespace telvo {

// The windows ask for Tahoma. Where it is missing, DejaVu Sans Condensed comes closest to its
// width, so captions and status texts sized for Tahoma still fit.
inline QFont tahomaFont(int points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")});
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace telvo
