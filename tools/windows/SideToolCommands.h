#pragma once

#include "app/core/Globals.h"

#include <QString>
#include <functional>

namespace telvo {

class IdiomsWindow;
class MainWindow;

// Where the side tools find what other subsystems own.
struct SideToolSources {
    // The sound folder the usage examples live in; empty (or "/") when none is known. Unset:
    // the folder remembered in the data folder.
    std::function<QString()> soundFolder;
    // The idioms window, when the program has one: while it is open the usage examples belong
    // to its selected idiom.
    IdiomsWindow* idioms = nullptr;
};

// "Блокнотик" (Ctrl+B) and "Пример употребления слова" (F4) of the main window.
void installSideToolCommands(MainWindow& main, Globalnye_peremennye_slovarya& g,
                             SideToolSources sources = {});

// The idioms window's "Блокнотик" (Ctrl+B) and "Пример" (F4).
void installIdiomsSideToolCommands(IdiomsWindow& idioms, Globalnye_peremennye_slovarya& g,
                                   SideToolSources sources = {});

} // namespace telvo
