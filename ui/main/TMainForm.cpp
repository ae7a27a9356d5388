#include "ui/main/TMainForm.h"

namespace telvo {

TMainForm::TMainForm(Globalnye_peremennye_slovarya& g, QWidget* parent)
    : QMainWindow(parent), g_(g) {
    setObjectName(QStringLiteral("TMainForm"));
}

TMainForm::~TMainForm() = default;

} // namespace telvo
