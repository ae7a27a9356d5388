#include "ui/main/MarkDialogs.h"

#include "store/Forgotten.h"
#include "store/Search.h"
#include "ui/main/RecordDialogs.h"
#include "ui/main/TMainForm.h"

namespace telvo {

TForma_pereiti_k_nomeru::TForma_pereiti_k_nomeru(Globalnye_peremennye_slovarya& g,
                                                 TMainForm& mainForm)
    : GoToNumberDialog(mainTableAccess(g, mainForm), &mainForm,
                       {
                           "TForma_pereiti_k_nomeru",
                           QStringLiteral("Перейти к слову  по номеру"),
                           QSize(563, 84),
                           QStringLiteral("Номер слова:"),
                           QRect(16, 18, 80, 21),
                           QRect(100, 16, 90, 23),
                           QRect(300, 44, 140, 27),
                           QRect(450, 44, 100, 27),
                           [&g](const QString& typed) { return goToNumber(g, typed); },
                       }) {}

TForma_otmetit_zabitimi_po_date::TForma_otmetit_zabitimi_po_date(Globalnye_peremennye_slovarya& g,
                                                                 TMainForm& mainForm)
    : DateMarkingDialog(
          mainTableAccess(g, mainForm), &mainForm,
          {
              "TForma_otmetit_zabitimi_po_date",
              QStringLiteral("Отметить слова как забытые по некоторой, выбранной дате"),
              QRect(12, 12, 280, 204),
              true,
              QRect(304, 16, 278, 21),
              QStringLiteral("dd.MM.yyyy"),
              "Кнопка_отметить_слова_по_выбранной_дате",
              QStringLiteral("Отметить слова как забытые по выбранной дате"),
              QRect(304, 140, 278, 30),
              QRect(482, 186, 100, 27),
              QStringLiteral("Сейчас в словаре отмечено забытых слов в количестве = %1. Нужно ли "
                             "при устаноке новых отметок удалять старые?"),
              // The count shown in the question is the one of the status bar.
              [&g] {
                  Pervonachalnoe_kolichestvo_zabytykh_slov(g);
                  return g.Kolichestvo_zabytykh_slov;
              },
              [&g](QDate date, bool removeOld) { return markForgottenByDate(g, date, removeOld); },
              [](int32_t count) { return dateMarkingMessage(count); },
          }) {}

TForma_otmetit_zabitimi_po_nomeram::TForma_otmetit_zabitimi_po_nomeram(
    Globalnye_peremennye_slovarya& g, TMainForm& mainForm)
    : NumberMarkingDialog(mainTableAccess(g, mainForm), &mainForm,
                          {
                              "TForma_otmetit_zabitimi_po_nomeram",
                              QStringLiteral("Отметить слова забытыми по их номерам"),
                              QSize(594, 121),
                              QRect(16, 18, 110, 21),
                              QRect(130, 16, 90, 23),
                              QRect(16, 50, 110, 21),
                              QRect(130, 48, 90, 23),
                              QRect(372, 82, 100, 27),
                              QRect(482, 82, 100, 27),
                              [&g](const QString& start, const QString& end) {
                                  return checkNumberRange(start, end, g.Kolichestvo_zapisey);
                              },
                              [&g](int32_t first, int32_t last) {
                                  Otmetit_slova_zabytymi_po_nomeram(g, first, last);
                              },
                          }) {}

} // namespace telvo
