#include "app/windows/Messages.h"

#include "app/windows/MessageWindows.h"
#include "app/windows/Okna.h"

#include <QApplication>

namespace telvo {

namespace {

// Shows the long-lived window of the registry, or, where there is none (a procedure run
// without the program's windows), a window of the same kind made for this one showing.
template <class Window> void showWindow(Globalnye_peremennye_slovarya& g, Window* longLived) {
    if (longLived) {
        longLived->exec();
        return;
    }
    Window once(g, QApplication::activeWindow());
    once.exec();
}

} // namespace

void showMessage(Globalnye_peremennye_slovarya& g, const QString& text) {
    g.Tekst_soobshcheniya = text;
    showWindow(g, g.okna ? g.okna->Forma_soobshenie : nullptr);
}

bool askQuestion(Globalnye_peremennye_slovarya& g, const QString& text) {
    g.Tekst_voprosa = text;
    showWindow(g, g.okna ? g.okna->Forma_vopros_s_viborom : nullptr);
    return g.Otvet_da;
}

void showError(Globalnye_peremennye_slovarya& g, const QString& text) {
    g.Tekst_oshibki = text;
    showWindow(g, g.okna ? g.okna->Forma_soobschenie_ob_oschibke : nullptr);
}

} // namespace telvo
