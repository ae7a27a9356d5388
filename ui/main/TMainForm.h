#pragma once

#include "app/core/Globals.h"

#include <QMainWindow>

namespace telvo {

// The program's main window: toolbar, menu, word label, record table, search fields and the
// status bar with its counters and stopwatch.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(Globalnye_peremennye_slovarya& g, QWidget* parent = nullptr);
    ~TMainForm() override;

private:
    Globalnye_peremennye_slovarya& g_;
};

} // namespace telvo
