#include "exercises/windows/MainWindowLink.h"

#include "app/windows/Okna.h"
#include "ui/main/TMainForm.h"

#include <QLabel>

namespace telvo {

TMainForm* mainForm(Globalnye_peremennye_slovarya& g) {
    return g.okna ? g.okna->MainForm : nullptr;
}

QString mainWordLabelText(Globalnye_peremennye_slovarya& g) {
    TMainForm* main = mainForm(g);
    if (!main)
        return {};
    // The find-translation window has a label of the same name; only the main window's own
    // one counts.
    for (QLabel* label : main->findChildren<QLabel*>(QStringLiteral("Надпись_английское_слово"))) {
        if (label->window() == main)
            return label->text();
    }
    return {};
}

void setMainPane(Globalnye_peremennye_slovarya& g, const char* paneName, const QString& text) {
    TMainForm* main = mainForm(g);
    if (!main || text.isEmpty())
        return;
    if (auto* pane = main->findChild<QLabel*>(QString::fromUtf8(paneName)))
        pane->setText(text);
}

} // namespace telvo
