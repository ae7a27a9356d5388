#include "platform/ProgramFolder.h"
#include "sound/logic/TranscriptionSigns.h"
#include "sound/windows/SignsWindow.h"
#include "sound/windows/WordDrillWindow.h"
#include "tests/sound/logic/SoundTestSupport.h"
#include "tests/support/WindowTestSupport.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <cstdlib>

using namespace telvo;
using namespace telvo::test;

namespace {

class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) { start(); }
};

TForma_znaki_transkripcii* asSigns(QWidget* w) {
    return qobject_cast<TForma_znaki_transkripcii*>(w);
}

QListWidget* signList(QWidget* w) {
    return child<QListWidget>(w, "Список_знаков_транскрипции");
}

QString picture(QWidget* w, const char* name) {
    return child<QLabel>(w, name)->property("picture").toString();
}

// The samples of a 16-bit PCM WAV file: what follows its "data" chunk header.
QByteArray samplesOf(const QByteArray& wav) {
    const qsizetype data = wav.indexOf("data");
    return data < 0 ? QByteArray() : wav.mid(data + 8);
}

} // namespace

class SignsWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeLeftovers(); }

    // The list, the sign large with its words, the recording through the busy flag, and the
    // window held open while it sounds.
    void showsTheSelectedSignAndPlaysItsRecording() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        TestProgram p(home);
        GatedOutput out;
        ScopedSoundOutput scoped(out);
        const QString directory = QDir::currentPath();
        QStringList atShow, selected, whilePlaying, afterPlaying;
        QStringList playedBeforeChoice, cut;
        int signs = 0;
        QSize size;
        whenModal(QStringLiteral("TForma_znaki_transkripcii"), [&](QWidget* w) {
            QListWidget* list = signList(w);
            size = w->size();
            signs = list->count();
            atShow << w->windowTitle() << list->item(0)->text() << list->item(40)->text()
                   << picture(w, "Картинка_колокольчика") << picture(w, "Картинка_формы")
                   << QString::number(w->focusWidget() == list);
            // Every sign shows whole in the list, the widest diphthongs too.
            const QFontMetrics metrics(list->font());
            for (int i = 0; i < list->count(); ++i)
                if (metrics.horizontalAdvance(list->item(i)->text()) + 8 >
                    list->viewport()->width())
                    cut << list->item(i)->text();
            // Before a sign is chosen the pictures do nothing, Enter neither.
            asSigns(w)->Kartinka_formyClick();
            QTest::keyClick(list, Qt::Key_Return);
            playedBeforeChoice = out.events();

            list->setCurrentRow(8);
            selected
                << child<QTextEdit>(w, "Крупное_отображение_знака")->toPlainText()
                << child<QPlainTextEdit>(w, "Область_отображения_слов")->toPlainText().split(u'\n')
                << picture(w, "Картинка_колокольчика") << picture(w, "Картинка_формы");

            list->setCurrentRow(37);
            QTest::keyClick(list, Qt::Key_Down); // 38, "[w]"
            QTest::keyClick(list, Qt::Key_Return);
            QVERIFY(waitFor([&] { return !out.events().isEmpty(); }));
            QTest::keyClick(list, Qt::Key_Down); // ignored while it sounds
            QTest::keyClick(list, Qt::Key_Escape);
            w->close();
            auto* bell = child<QLabel>(w, "Картинка_колокольчика");
            whilePlaying << QString::number(list->currentRow()) << QString::number(w->isVisible())
                         << QString::number(bell->isVisible())
                         << QString::number(child<QPushButton>(w, "Кнопка_закрыть")->isEnabled())
                         << picture(w, "Картинка_формы")
                         << QString::number(asSigns(w)->Zvuchit_znak())
                         << QString::number(child<QWidget>(w, "Индикатор_активности")->isVisible());
            // A second play is refused while the first runs.
            asSigns(w)->Kartinka_formyClick();
            out.release(2);
            asSigns(w)->task().waitUntilIdle();
            afterPlaying << QString::number(bell->isVisible())
                         << QString::number(child<QPushButton>(w, "Кнопка_закрыть")->isEnabled())
                         << picture(w, "Картинка_формы")
                         << QString::number(child<QWidget>(w, "Индикатор_активности")->isVisible());
            QTest::keyClick(list, Qt::Key_Escape);
        });
        p.trigger("Действие_знаки_транскрипции");
        QCOMPARE(size, QSize(481, 375));
        QCOMPARE(signs, 41);
        QCOMPARE(cut, QStringList());
        QCOMPARE(atShow, (QStringList{"Знаки транскрипции", "[ɑː]", "[j]", "bell_go_grey",
                                      "sound_grey", "1"}));
        QCOMPARE(playedBeforeChoice, QStringList());
        QCOMPARE(selected, (QStringList{"[ə]", "[ə]", "eraser", "folder", "ruler", "algebra",
                                        "September", "bell_go_green", "sound_green"}));
        QCOMPARE(whilePlaying, (QStringList{"38", "1", "0", "0", "sound_grey", "1", "1"}));
        QCOMPARE(out.events(), QStringList{QStringLiteral("play ") + programFolder() +
                                           QStringLiteral("/znaki_trans/Согласный_у.wav")});
        QCOMPARE(afterPlaying, (QStringList{"1", "1", "sound_green", "0"}));
        QVERIFY(!p.okna().Forma_znaki_transkripcii->isVisible());
        QCOMPARE(QDir::currentPath(), directory);
    }

    // The bell opens the drill on the sign: the sign is word, transcription and caption, in
    // plain serif type; the pictures are grey while it is open.
    void bellDrillsTheSelectedSign() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        TestProgram p(home);
        QStringList seen;
        bool fromSigns = false, fromTable = true, plain = false, whole = false;
        int interval = 0, width = 0;
        QString bellDuring, bellAfter;
        whenModal(QStringLiteral("TForma_znaki_transkripcii"), [&](QWidget* w) {
            // Before a sign is chosen the bell opens nothing.
            asSigns(w)->Kartinka_kolokolchikaClick();
            signList(w)->setCurrentRow(34);
            whenModal(QStringLiteral("TForma_pokazat_transkripciu"), [&](QWidget* d) {
                auto* drill = qobject_cast<TForma_pokazat_transkripciu*>(d);
                fromSigns = p.g->Transkriptsiya_iz_znakov;
                fromTable = p.g->Transkriptsiya_iz_tablitsy_zapisey;
                bellDuring = picture(w, "Картинка_колокольчика");
                width = d->width();
                interval = drill->Taymer->interval();
                drill->TaymerTimer();
                drill->TaymerTimer();
                auto* word = child<QLabel>(d, "Надписть_английское_слово");
                // The large sign is drawn whole: its label has the height of its type.
                const QFontMetrics metrics(word->font());
                whole = word->height() >= metrics.height() &&
                        metrics.horizontalAdvance(word->text()) <= word->width();
                plain = !word->font().bold() &&
                        !child<QLabel>(d, "Надпись_таранскрипция")->font().bold();
                seen << d->windowTitle() << word->text();
                click(d, "Кнопка_закрыть");
            });
            asSigns(w)->Kartinka_kolokolchikaClick();
            bellAfter = picture(w, "Картинка_колокольчика");
            click(w, "Кнопка_закрыть");
        });
        p.trigger("Действие_знаки_транскрипции");
        QCOMPARE(seen, (QStringList{"[θ]", "[θ]"}));
        QVERIFY(fromSigns);
        QVERIFY(!fromTable);
        QVERIFY(plain);
        QVERIFY(whole);
        QCOMPARE(width, 360);
        QCOMPARE(interval, 900);
        QCOMPARE(bellDuring, QStringLiteral("bell_go_grey"));
        QCOMPARE(bellAfter, QStringLiteral("bell_go_green"));
        QVERIFY(!p.g->Transkriptsiya_iz_znakov);
    }

    // Through the real output on SDL's disk driver the sign's own recording reaches the device.
    void theRecordingBuiltWithTheProgramReachesTheDevice() {
        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("device.raw"));
        setenv("SDL_DISKAUDIOFILE", QFile::encodeName(device).constData(), 1);
        const QByteArray samples = samplesOf(readFile(transcriptionSignFile(programFolder(), 0)));
        QVERIFY(samples.size() > 1000);
        TempHome home;
        writeDictionary(home, numberedWords(2));
        TestProgram p(home);
        whenModal(QStringLiteral("TForma_znaki_transkripcii"), [&](QWidget* w) {
            signList(w)->setCurrentRow(0);
            asSigns(w)->Kartinka_formyClick();
            QVERIFY(asSigns(w)->Zvuchit_znak());
            asSigns(w)->task().waitUntilIdle();
            click(w, "Кнопка_закрыть");
        });
        p.trigger("Действие_знаки_транскрипции");
        // A paused device takes silence until playback starts, as fast as the disk driver runs.
        QVERIFY(readFile(device).indexOf(samples) >= 0);
    }
};

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    QApplication app(argc, argv);
    SignsWindowTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "SignsWindowTests.moc"
