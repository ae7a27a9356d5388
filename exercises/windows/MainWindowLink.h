#pragma once

#include "app/core/Globals.h"

#include <QString>

namespace telvo {

class TMainForm;

// What the choice exercises read from and write to the main window.
inline constexpr const char* kPaneFromRussian = "Панель_вывода_остаток_с_русского";
inline constexpr const char* kPaneFromEnglish = "Панель_вывода_остаток_с_английского";
inline constexpr const char* kPanePairs = "Панель_вывода_несопоставленных_пар";
inline constexpr const char* kPaneForgotten = "Панель_вывода_количества_забытых_слов";

// The main window of g.okna, or null before it exists.
TMainForm* mainForm(Globalnye_peremennye_slovarya& g);
// The text of the main window's word label (empty without a main window).
QString mainWordLabelText(Globalnye_peremennye_slovarya& g);
// Sets the text of the main window's status pane `paneName`; an empty text leaves it alone.
void setMainPane(Globalnye_peremennye_slovarya& g, const char* paneName, const QString& text);

} // namespace telvo
