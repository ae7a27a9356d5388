#pragma once

#include <QString>

namespace telvo {

// The sound state that windows share: the player's folder and order, the word it last
// prepared, and where the word drill takes its word from.
struct SoundState {
    // The folder the player uses; empty until the player first shows.
    QString Papka_so_zvukami;
    // Listen-all order: false = shuffled, true = in file order.
    bool Poryadok_po_ocheredi = false;
    // The word last prepared by the player's listen-all; read by the word drill.
    QString Tekushchee_slovo_proigryvatelya;
    // Set by the groups window for the player's lifetime.
    bool Proigryvatel_iz_grupp = false;

    // Where the word drill takes its word, set by its opener for the drill's lifetime.
    bool Transkriptsiya_iz_tablitsy_zapisey = false;
    bool Transkriptsiya_iz_gruppy = false;
    bool Transkriptsiya_iz_znakov = false;
};

} // namespace telvo
