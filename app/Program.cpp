#include "app/Program.h"

#include "app/windows/MessageWindows.h"
#include "exercises/windows/ChoiceWindows.h"
#include "exercises/windows/ExerciseCommands.h"
#include "exercises/windows/HistoryResetWindow.h"
#include "exercises/windows/RangeWindow.h"
#include "exercises/windows/RecognitionWindows.h"
#include "groups/windows/GroupDialogs.h"
#include "groups/windows/TForma_gruppy_slov.h"
#include "idioms/windows/IdiomCommands.h"
#include "idioms/windows/TForma_idiomi.h"
#include "sound/windows/PlayerWindow.h"
#include "sound/windows/SignsWindow.h"
#include "sound/windows/SoundFolderWindow.h"
#include "sound/windows/WordDrillWindow.h"
#include "tools/windows/AboutWindow.h"
#include "tools/windows/ArchiveWindows.h"
#include "tools/windows/DownloadWindow.h"
#include "tools/windows/ManualCommands.h"
#include "tools/windows/SideToolCommands.h"
#include "tools/windows/WordExchangeWindows.h"
#include "ui/main/TMainForm.h"

#include <QStringList>

namespace telvo {

Program::Program(Globalnye_peremennye_slovarya& g) : g_(g) {
    g_.okna = &okna_;
    mainForm_ = std::make_unique<TMainForm>(g_);
    TMainForm* main = mainForm_.get();
    okna_.MainForm = main;

    // The long-lived windows, in their order of creation.
    okna_.Forma_naiyti_perevod = new TForma_naiyti_perevod(g_, main);
    okna_.Forma_ocshibochniy_vibor = new TForma_ocshibochniy_vibor(main);
    okna_.Forma_soobshenie = new TForma_soobshenie(g_, main);
    okna_.Forma_vopros_s_viborom = new TForma_vopros_s_viborom(g_, main);
    okna_.Forma_soobschenie_ob_oschibke = new TForma_soobschenie_ob_oschibke(g_, main);
    okna_.Forma_vspomnit_zabitie_slova = new TForma_vspomnit_zabitie_slova(g_, main);
    okna_.Forma_poryadok_proslushivaniya = new TForma_poryadok_proslushivaniya(g_, main);
    okna_.Forma_okno_pokaza_slova = new TForma_okno_pokaza_slova(g_, main);
    okna_.Forma_okno_pokaza_russkogo_slova = new TForma_okno_pokaza_russkogo_slova(g_, main);
    okna_.Forma_podskazka_dlya_russkogo_slova =
        new TForma_podskazka_dlya_russkogo_slova(okna_.Forma_okno_pokaza_russkogo_slova);
    okna_.Forma_podskazka_dlya_angliyskogo_slova =
        new TForma_podskazka_dlya_angliyskogo_slova(okna_.Forma_okno_pokaza_slova);
    okna_.Forma_okno_pokaza_perevodov = new TForma_okno_pokaza_perevodov(g_, main);
    okna_.Forma_okno_perevodov_s_angliyskogo = new TForma_okno_perevodov_s_angliyskogo(g_, main);
    okna_.Forma_izmeneniy_diapazona = new TForma_izmeneniy_diapazona(g_, main);
    okna_.Forma_obnulenie_istoriy = new TForma_obnulenie_istoriy(g_, main);
    okna_.Forma_idiomi = new TForma_idiomi(g_, main);
    okna_.Forma_dobavit_gruppu_slov = new TForma_dobavit_gruppu_slov(g_, main);
    okna_.Forma_gruppy_slov = new TForma_gruppy_slov(g_, main);
    okna_.Forma_gruppy_slov->setAddWindow(okna_.Forma_dobavit_gruppu_slov);
    okna_.Forma_vibor_papki_so_zvukami = new TForma_vibor_papki_so_zvukami(g_, main);
    okna_.Forma_znaki_transkripcii = new TForma_znaki_transkripcii(g_, main);

    // The commands, once the windows they open exist.
    installExerciseCommands(*main, g_);
    installArchiveCommands(*main, g_);
    installWordExchangeCommands(*main, g_);
    TForma_idiomi* idioms = okna_.Forma_idiomi;
    installIdiomsCommand(*main, g_, *idioms);
    SideToolSources sources;
    sources.idioms = idioms;
    installSideToolCommands(*main, g_, sources);
    installIdiomsSideToolCommands(*idioms, g_, sources);
    TForma_gruppy_slov* groups = okna_.Forma_gruppy_slov;
    main->installCommand(MainCommand::Groups, [groups] { groups->open(); });
    installAboutCommand(*main);
    installDownloadCommand(*main, g_);
    installManualCommand(*main, g_);
    installManualCommand(*groups, g_);
    installManualCommand(*idioms, g_);
    installSoundCommands(*main, g_);
    installPlayerCommands(*main, g_);
    installGroupsPlayerCommand(*groups, g_);
    installWordDrillCommand(*main, g_);
    installGroupsWordDrillCommand(*groups, g_);
    installSignsCommand(*main, g_);
}

Program::~Program() {
    mainForm_.reset();
    g_.okna = nullptr;
}

QStringList Program::missingWindows() const {
    const std::pair<const char*, const void*> members[] = {
        {"MainForm", okna_.MainForm},
        {"Forma_soobshenie", okna_.Forma_soobshenie},
        {"Forma_vopros_s_viborom", okna_.Forma_vopros_s_viborom},
        {"Forma_soobschenie_ob_oschibke", okna_.Forma_soobschenie_ob_oschibke},
        {"Forma_okno_pokaza_slova", okna_.Forma_okno_pokaza_slova},
        {"Forma_okno_pokaza_russkogo_slova", okna_.Forma_okno_pokaza_russkogo_slova},
        {"Forma_podskazka_dlya_russkogo_slova", okna_.Forma_podskazka_dlya_russkogo_slova},
        {"Forma_podskazka_dlya_angliyskogo_slova", okna_.Forma_podskazka_dlya_angliyskogo_slova},
        {"Forma_izmeneniy_diapazona", okna_.Forma_izmeneniy_diapazona},
        {"Forma_obnulenie_istoriy", okna_.Forma_obnulenie_istoriy},
        {"Forma_naiyti_perevod", okna_.Forma_naiyti_perevod},
        {"Forma_ocshibochniy_vibor", okna_.Forma_ocshibochniy_vibor},
        {"Forma_vspomnit_zabitie_slova", okna_.Forma_vspomnit_zabitie_slova},
        {"Forma_okno_pokaza_perevodov", okna_.Forma_okno_pokaza_perevodov},
        {"Forma_okno_perevodov_s_angliyskogo", okna_.Forma_okno_perevodov_s_angliyskogo},
        {"Forma_idiomi", okna_.Forma_idiomi},
        {"Forma_dobavit_gruppu_slov", okna_.Forma_dobavit_gruppu_slov},
        {"Forma_gruppy_slov", okna_.Forma_gruppy_slov},
        {"Forma_vibor_papki_so_zvukami", okna_.Forma_vibor_papki_so_zvukami},
        {"Forma_poryadok_proslushivaniya", okna_.Forma_poryadok_proslushivaniya},
        {"Forma_znaki_transkripcii", okna_.Forma_znaki_transkripcii},
    };
    static_assert(sizeof(Okna) == std::size(members) * sizeof(void*),
                  "a window added to Okna must be listed here too");
    QStringList missing;
    for (const auto& [name, window] : members)
        if (!window)
            missing << QString::fromLatin1(name);
    return missing;
}

} // namespace telvo
