#include "app/windows/GuiReporting.h"
#include "app/windows/MessageWindows.h"
#include "app/windows/Okna.h"
#include "app/core/Globals.h"
#include "exercises/windows/ChoiceCommands.h"
#include "exercises/windows/ChoiceWindows.h"
#include "exercises/windows/ExerciseCommands.h"
#include "exercises/windows/HistoryResetWindow.h"
#include "exercises/windows/RangeWindow.h"
#include "exercises/windows/RecognitionWindows.h"
#include "platform/gui/Application.h"
#include "platform/SingleInstance.h"
#include "ui/main/TMainForm.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

namespace {

int refuseSecondCopy(int& argc, char** argv) {
    QApplication app(argc, argv);
    QMessageBox box(QMessageBox::NoIcon, telvo::programTitle(),
                    QStringLiteral("Программа «Лексикар» уже запущена ..."), QMessageBox::Ok);
    box.exec();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Before anything else, so that a second copy creates no window and touches no file. The
    // lock is held until the process ends.
    platform::SingleInstance instance(QStringLiteral("Telvo_Vocabulary_1_02_xx"));
    if (!instance.acquire())
        return refuseSecondCopy(argc, argv);

    platform::Application app(argc, argv, telvo::programTitle());
    QCoreApplication::setApplicationName(QStringLiteral("telvo-vocabulary"));
    telvo::installGuiReporting();

    telvo::Globalnye_peremennye_slovarya g;
    telvo::Okna okna;
    g.okna = &okna;

    // The long-lived windows, in their order of creation. The main window owns the others
    // (Qt parent), so they live exactly as long as it does; none is shown here.
    telvo::TMainForm mainForm(g);
    okna.MainForm = &mainForm;
    okna.Forma_naiyti_perevod = new telvo::TForma_naiyti_perevod(g, &mainForm);
    okna.Forma_ocshibochniy_vibor = new telvo::TForma_ocshibochniy_vibor(&mainForm);
    okna.Forma_soobshenie = new telvo::TForma_soobshenie(g, &mainForm);
    okna.Forma_vopros_s_viborom = new telvo::TForma_vopros_s_viborom(g, &mainForm);
    okna.Forma_soobschenie_ob_oschibke = new telvo::TForma_soobschenie_ob_oschibke(g, &mainForm);
    okna.Forma_vspomnit_zabitie_slova = new telvo::TForma_vspomnit_zabitie_slova(g, &mainForm);
    // TForma_poryadok_proslushivaniya comes here once the player exists.
    okna.Forma_okno_pokaza_slova = new telvo::TForma_okno_pokaza_slova(g, &mainForm);
    okna.Forma_okno_pokaza_russkogo_slova =
        new telvo::TForma_okno_pokaza_russkogo_slova(g, &mainForm);
    okna.Forma_podskazka_dlya_russkogo_slova =
        new telvo::TForma_podskazka_dlya_russkogo_slova(okna.Forma_okno_pokaza_russkogo_slova);
    okna.Forma_podskazka_dlya_angliyskogo_slova =
        new telvo::TForma_podskazka_dlya_angliyskogo_slova(okna.Forma_okno_pokaza_slova);
    okna.Forma_okno_pokaza_perevodov = new telvo::TForma_okno_pokaza_perevodov(g, &mainForm);
    okna.Forma_okno_perevodov_s_angliyskogo =
        new telvo::TForma_okno_perevodov_s_angliyskogo(g, &mainForm);
    okna.Forma_izmeneniy_diapazona = new telvo::TForma_izmeneniy_diapazona(g, &mainForm);
    okna.Forma_obnulenie_istoriy = new telvo::TForma_obnulenie_istoriy(g, &mainForm);
    // Then, as their subsystems land: TForma_dobavit_gruppu_slov, TForma_gruppy_slov,
    // TForma_vibor_papki_so_zvukami, TForma_znaki_transkripcii.

    // The commands find their windows through the registry when they run.
    telvo::installExerciseRangeCommands(mainForm, g);
    telvo::installChoiceExerciseCommands(mainForm, g);

    // Its show handler prepares the data folder and loads the dictionary.
    mainForm.show();
    // Without a window manager nobody gives the new window the keyboard, and its command keys
    // would not work until a click.
    mainForm.activateWindow();
    const int code = app.exec();

    // The main window empties the clipboard when it closes; doing it again costs nothing.
    QApplication::clipboard()->setText(QString());
    return code;
}
