#pragma once

// Pointers to the long-lived windows created at start, so that procedures and other windows
// can show them (the message windows above all). Owned by the program entry; filled as the
// windows are created. Later windows add their pointer here.

namespace telvo {

class TMainForm;
class TForma_soobshenie;
class TForma_vopros_s_viborom;
class TForma_soobschenie_ob_oschibke;

struct Okna {
    TMainForm* MainForm = nullptr;
    TForma_soobshenie* Forma_soobshenie = nullptr;
    TForma_vopros_s_viborom* Forma_vopros_s_viborom = nullptr;
    TForma_soobschenie_ob_oschibke* Forma_soobschenie_ob_oschibke = nullptr;
};

} // namespace telvo
