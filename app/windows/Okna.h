#pragma once

// Pointers to the long-lived windows created at start, so that procedures and other windows
// can show them (the message windows above all). Owned by the program entry; filled as the
// windows are created. Later windows add their pointer here.

#include "app/core/Globals.h"
#include "ui/common/MainWindow.h"

namespace telvo {

class TForma_soobshenie;
class TForma_vopros_s_viborom;
class TForma_soobschenie_ob_oschibke;
class TForma_okno_pokaza_slova;
class TForma_okno_pokaza_russkogo_slova;
class TForma_podskazka_dlya_russkogo_slova;
class TForma_podskazka_dlya_angliyskogo_slova;
class TForma_izmeneniy_diapazona;
class TForma_obnulenie_istoriy;
class TForma_naiyti_perevod;
class TForma_ocshibochniy_vibor;
class TForma_vspomnit_zabitie_slova;
class TForma_okno_pokaza_perevodov;
class TForma_okno_perevodov_s_angliyskogo;
class TForma_dobavit_gruppu_slov;
class TForma_gruppy_slov;
class TForma_vibor_papki_so_zvukami;
class TForma_poryadok_proslushivaniya;
class TForma_znaki_transkripcii;
class TForma_idiomi;

struct Okna {
    MainWindow* MainForm = nullptr;
    TForma_soobshenie* Forma_soobshenie = nullptr;
    TForma_vopros_s_viborom* Forma_vopros_s_viborom = nullptr;
    TForma_soobschenie_ob_oschibke* Forma_soobschenie_ob_oschibke = nullptr;
    TForma_okno_pokaza_slova* Forma_okno_pokaza_slova = nullptr;
    TForma_okno_pokaza_russkogo_slova* Forma_okno_pokaza_russkogo_slova = nullptr;
    TForma_podskazka_dlya_russkogo_slova* Forma_podskazka_dlya_russkogo_slova = nullptr;
    TForma_podskazka_dlya_angliyskogo_slova* Forma_podskazka_dlya_angliyskogo_slova = nullptr;
    TForma_izmeneniy_diapazona* Forma_izmeneniy_diapazona = nullptr;
    TForma_obnulenie_istoriy* Forma_obnulenie_istoriy = nullptr;
    TForma_naiyti_perevod* Forma_naiyti_perevod = nullptr;
    TForma_ocshibochniy_vibor* Forma_ocshibochniy_vibor = nullptr;
    TForma_vspomnit_zabitie_slova* Forma_vspomnit_zabitie_slova = nullptr;
    TForma_okno_pokaza_perevodov* Forma_okno_pokaza_perevodov = nullptr;
    TForma_okno_perevodov_s_angliyskogo* Forma_okno_perevodov_s_angliyskogo = nullptr;
    TForma_dobavit_gruppu_slov* Forma_dobavit_gruppu_slov = nullptr;
    TForma_gruppy_slov* Forma_gruppy_slov = nullptr;
    TForma_vibor_papki_so_zvukami* Forma_vibor_papki_so_zvukami = nullptr;
    TForma_poryadok_proslushivaniya* Forma_poryadok_proslushivaniya = nullptr;
    TForma_znaki_transkripcii* Forma_znaki_transkripcii = nullptr;
    TForma_idiomi* Forma_idiomi = nullptr;
};

// The main window of the running program; null where a test runs windows without it.
inline MainWindow* mainWindow(const Globalnye_peremennye_slovarya& g) {
    return g.okna ? g.okna->MainForm : nullptr;
}

// Shows `text` in one of the main window's status panes, when there is a main window.
inline void setMainPane(const Globalnye_peremennye_slovarya& g, StatusPane pane,
                        const QString& text) {
    if (MainWindow* main = mainWindow(g))
        main->setStatusPane(pane, text);
}

} // namespace telvo
