#pragma once

#include "app/core/Globals.h"
#include "app/windows/Okna.h"

#include <memory>

namespace telvo {

class TMainForm;

// The composition root: creates the main window and every long-lived window in the order the
// start-up needs, registers them in Okna, and installs every command of the main window. The
// program entry and the window tests build the program through it alike, so a window or a
// command that is missing or created out of order shows in the tests. Nothing is shown here.
class Program {
public:
    explicit Program(Globalnye_peremennye_slovarya& g);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    TMainForm& mainForm() { return *mainForm_; }
    Okna& okna() { return okna_; }

    // The registry's members that are still null: a window the root forgot to create.
    QStringList missingWindows() const;

private:
    Globalnye_peremennye_slovarya& g_;
    Okna okna_;
    // Owns every other window (Qt parent), so they live exactly as long as it does.
    std::unique_ptr<TMainForm> mainForm_;
};

} // namespace telvo
