#include "sound/logic/SoundFolder.h"
#include "sound/windows/SoundFolderWindow.h"
#include "tests/support/WindowTestSupport.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace telvo;
using namespace telvo::test;

namespace {

class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) { start(); }
};

// The files the file dialog hands back, one per question; asked counts the questions.
struct ChosenFiles {
    explicit ChosenFiles(QStringList files) : files_(std::move(files)) {
        old_ = setSoundEnvironment({[this](QWidget*, const QString& title, const QString&) {
            ++asked;
            titles << title;
            return files_.isEmpty() ? QString() : files_.takeFirst();
        }});
    }
    ~ChosenFiles() { setSoundEnvironment(old_); }
    int asked = 0;
    QStringList titles;

private:
    QStringList files_;
    SoundEnvironment old_;
};

const QString kLead = QStringLiteral("Текущее имя папки со звуками: ");

QString folderLabel(QWidget* w) {
    return child<QLabel>(w, "Надпись_текущая_папка_со_звуками")->text();
}
bool defaultEnabled(QWidget* w) {
    return child<QPushButton>(w, "Кнопка_установить_по_умолчанию")->isEnabled();
}

} // namespace

class SoundFolderWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeLeftovers(); }

    void withoutTheFileTheDefaultIsShownAndCannotBeSetAgain() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        TestProgram p(home);
        ChosenFiles none({});
        QString label;
        bool enabled = true;
        QString title;
        whenModal(QStringLiteral("TForma_vibor_papki_so_zvukami"), [&](QWidget* w) {
            label = folderLabel(w);
            enabled = defaultEnabled(w);
            title = w->windowTitle();
            QCOMPARE(w->size(), QSize(798, 100));
            // Cancelled: nothing is written.
            click(w, "Кнопка_выбрать_другую_папку");
            click(w, "Кнопка_закрыть");
        });
        p.trigger("Действие_выбор_папки_со_звуками");
        QCOMPARE(title, QStringLiteral("Выбор папки со звуками"));
        QCOMPARE(label, kLead + defaultSoundFolder());
        QVERIFY(!enabled);
        QCOMPARE(none.asked, 1);
        QCOMPARE(none.titles, QStringList{QStringLiteral("Выбор любого звукового файла")});
        QVERIFY(!p.exists("poslednyy_papka.startdat"));
    }

    void choosingAFileRemembersItsFolderAndDefaultGoesBack() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        TestProgram p(home);
        const QString folder = home.path() + QStringLiteral("/звуки");
        QVERIFY(QDir().mkpath(folder));
        ChosenFiles chosen({folder + QStringLiteral("/cat.wav")});
        QString afterChoice, afterDefault;
        bool enabledAfterChoice = false, enabledAfterDefault = true;
        QString stored;
        whenModal(QStringLiteral("TForma_vibor_papki_so_zvukami"), [&](QWidget* w) {
            click(w, "Кнопка_выбрать_другую_папку");
            afterChoice = folderLabel(w);
            enabledAfterChoice = defaultEnabled(w);
            stored = Prochitat_polnoe_imya_posledney_vybrannoy_papki(p.g->puti);
            click(w, "Кнопка_установить_по_умолчанию");
            afterDefault = folderLabel(w);
            enabledAfterDefault = defaultEnabled(w);
            QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        });
        p.trigger("Действие_выбор_папки_со_звуками");
        QCOMPARE(afterChoice, kLead + folder);
        QVERIFY(enabledAfterChoice);
        QCOMPARE(stored, folder);
        QCOMPARE(afterDefault, kLead + defaultSoundFolder());
        QVERIFY(!enabledAfterDefault);
        QCOMPARE(Prochitat_polnoe_imya_posledney_vybrannoy_papki(p.g->puti), defaultSoundFolder());
        QVERIFY(!p.okna().Forma_vibor_papki_so_zvukami->isVisible());

        // Shown again, the remembered default keeps its button off.
        whenModal(QStringLiteral("TForma_vibor_papki_so_zvukami"), [&](QWidget* w) {
            enabledAfterDefault = defaultEnabled(w);
            click(w, "Кнопка_закрыть");
        });
        p.activate();
        p.trigger("Действие_выбор_папки_со_звуками");
        QVERIFY(!enabledAfterDefault);
    }

    // Cut to 120 bytes, a longer path would name another folder: it is refused in the message
    // window and the old folder stays, on screen and in the file.
    void folderTooLongToRememberIsRefusedAndTheOldOneKept() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        TestProgram p(home);
        const QString good = home.path() + QStringLiteral("/sounds-good");
        QVERIFY(QDir().mkpath(good));
        QVERIFY(Zapisat_papku_so_zvukami(p.g->puti, good) == SoundFolderWrite::Written);
        const QString deep = QStringLiteral("/tmp/") + QString(130, u'd');
        ChosenFiles chosen({deep + QStringLiteral("/cat.wav")});
        ModalDriver driver;
        QString label;
        driver.dialog = [&](QWidget* w) {
            if (w->objectName() != QLatin1String("TForma_vibor_papki_so_zvukami"))
                return;
            click(w, "Кнопка_выбрать_другую_папку");
            label = folderLabel(w);
            click(w, "Кнопка_закрыть");
        };
        p.trigger("Действие_выбор_папки_со_звуками");
        QCOMPARE(driver.seen.size(), 1);
        QVERIFY2(driver.seen.constFirst().contains(deep), qPrintable(driver.seen.constFirst()));
        QCOMPARE(label, kLead + good);
        QCOMPARE(Prochitat_polnoe_imya_posledney_vybrannoy_papki(p.g->puti), good);
    }
};

QTEST_MAIN(SoundFolderWindowTests)
#include "SoundFolderWindowTests.moc"
