#include "idioms/windows/IdiomCommands.h"

#include "idioms/windows/TForma_idiomi.h"
#include "ui/common/MainWindow.h"

namespace telvo {

void installIdiomsCommand(MainWindow& main, Globalnye_peremennye_slovarya& g,
                          TForma_idiomi& window) {
    main.installCommand(MainCommand::Idioms, [&g, &window] {
        if (g.Okno_grupp_otkryto || window.isVisible())
            return;
        window.exec();
    });
}

} // namespace telvo
