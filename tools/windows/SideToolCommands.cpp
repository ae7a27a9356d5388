#include "tools/windows/SideToolCommands.h"

#include "tools/windows/NotepadWindow.h"
#include "ui/common/IdiomsWindow.h"
#include "ui/common/MainWindow.h"

namespace telvo {

namespace {

using G = Globalnye_peremennye_slovarya;

void openNotepad(G& g, QWidget* owner) {
    TForma_bloknotik window(g, owner);
    window.exec();
}

} // namespace

void installSideToolCommands(MainWindow& main, G& g, SideToolSources sources) {
    main.installCommand(MainCommand::Notepad, [&main, &g] { openNotepad(g, main.widget()); });
    (void)sources;
}

void installIdiomsSideToolCommands(IdiomsWindow& idioms, G& g, SideToolSources sources) {
    idioms.installCommand(IdiomsCommand::Notepad,
                          [&idioms, &g] { openNotepad(g, idioms.widget()); });
    (void)sources;
}

} // namespace telvo
