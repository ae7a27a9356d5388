#include "tools/windows/SideToolCommands.h"

#include "app/windows/Messages.h"
#include "sound/logic/SoundFolder.h"
#include "store/RecordFile.h"
#include "store/Records.h"
#include "tools/logic/UsageExample.h"
#include "tools/windows/NotepadWindow.h"
#include "tools/windows/UsageExampleWindow.h"
#include "ui/common/IdiomsWindow.h"
#include "ui/common/MainWindow.h"

namespace telvo {

namespace {

using G = Globalnye_peremennye_slovarya;

const char* const kNoRecords = "В словаре еще нет записей ...";
const char* const kNoIdioms = "В словаре идиом еще нет записей ...";
const char* const kNoSoundFolder =
    "Примеры употребления слов должны хнаниться в той же папке, что и папка для прослушивания "
    "слов. Эта папка не нейдена. Сформируйте ее и прослушайте хотя бы одно слово.";

void openNotepad(G& g, QWidget* owner) {
    TForma_bloknotik window(g, owner);
    window.exec();
}

QString soundFolderOf(G& g, const SideToolSources& sources) {
    return sources.soundFolder ? sources.soundFolder()
                               : Prochitat_polnoe_imya_posledney_vybrannoy_papki(g.puti);
}

// Opens the examples of `word` when the sound folder is known; says so otherwise.
void openUsageExample(G& g, const SideToolSources& sources, const QString& word, QWidget* owner) {
    const QString folder = soundFolderOf(g, sources);
    if (!Papka_so_zvukami_zadana(folder)) {
        showError(g, QString::fromUtf8(kNoSoundFolder));
        return;
    }
    TForma_primer_upotrebleniy window(g, word, tools::usageExampleFile(folder, word), owner);
    window.exec();
}

QString englishOfRecord(G& g, int32_t number) {
    const QByteArray bytes = RecordFile(g.puti.vocabulary, DictRecord::kSize).read(number - 1);
    return DictRecord::decode(bytes.constData()).Angliyskoe_slovo;
}

} // namespace

void installSideToolCommands(MainWindow& main, G& g, SideToolSources sources) {
    main.installCommand(MainCommand::Notepad, [&main, &g] { openNotepad(g, main.widget()); });
    main.installCommand(MainCommand::UsageExample, [&main, &g, sources] {
        if (g.Okno_grupp_otkryto)
            return;
        if (g.Kolichestvo_zapisey <= 0 || main.selectedRecord() <= 0) {
            showMessage(g, QString::fromUtf8(kNoRecords));
            return;
        }
        // With the idioms window open the examples are the selected idiom's.
        const bool idiom = sources.idioms && sources.idioms->isOpen();
        const QString word =
            idiom ? sources.idioms->selectedIdiomText() : englishOfRecord(g, main.selectedRecord());
        openUsageExample(g, sources, word, main.widget());
    });
}

void installIdiomsSideToolCommands(IdiomsWindow& idioms, G& g, SideToolSources sources) {
    idioms.installCommand(IdiomsCommand::Notepad,
                          [&idioms, &g] { openNotepad(g, idioms.widget()); });
    idioms.installCommand(IdiomsCommand::UsageExample, [&idioms, &g, sources] {
        const QString idiom = idioms.selectedIdiomText();
        if (idiom.isEmpty()) {
            showMessage(g, QString::fromUtf8(kNoIdioms));
            return;
        }
        openUsageExample(g, sources, idiom, idioms.widget());
    });
}

} // namespace telvo
