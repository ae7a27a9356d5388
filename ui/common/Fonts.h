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

// The transcription signs ask for Times New Roman. Where it is missing (or stands for a Times
// without IPA letters), DejaVu Serif carries every sign.
inline QFont timesFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif")});
    return font;
}

} // namespace telvo
