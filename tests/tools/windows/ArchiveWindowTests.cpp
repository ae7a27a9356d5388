#include "tests/support/WindowTestSupport.h"
#include "tools/logic/DataArchive.h"
#include "tools/windows/ArchiveWindows.h"
#include "ui/main/TMainForm.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace telvo;
using namespace telvo::test;

namespace {

class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) { start(); }
};

// The places offered and the archive chosen are the test's; the lock hand-over is counted.
struct Environment {
    Environment(platform::DriveLists drives, QString archive) {
        old_ = setArchiveEnvironment({[drives] { return drives; },
                                      [this, archive](QWidget*) {
                                          ++asked;
                                          return archive;
                                      },
                                      [this] { ++relocked; }});
    }
    ~Environment() { setArchiveEnvironment(old_); }
    int asked = 0;
    int relocked = 0;

private:
    ArchiveEnvironment old_;
};

QString labelText(QWidget* w, const char* name) {
    return child<QLabel>(w, name)->text();
}

QStringList entriesOf(const QString& zip) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-Z1"), zip});
    unzip.waitForFinished();
    return QString::fromUtf8(unzip.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

const QString kArchived =
    u"Архивирование данных прошло успешно. Полное имя сохраненного файла: "_qs;

} // namespace

class ArchiveWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeLeftovers(); }

    void archivesIntoTheChosenPlace();
    void archiveFailureKeepsTheOldArchiveAndSaysSo();
    void restoreReplacesTheDataAndReloadsTheMainWindow();
    void damagedArchiveLeavesTheDataAsItWas();
    void wrongFileNameIsRefused();
    void commandsDoNothingWhileTheGroupsWindowIsOpen();
};

void ArchiveWindowTests::archivesIntoTheChosenPlace() {
    TempHome home;
    writeDictionary(home, numberedWords(60));
    const QString stick = home.path() + QStringLiteral("/stick");
    QVERIFY(QDir().mkpath(stick));
    TestProgram p(home);
    p.form->selectRow(30, 25);
    Environment env({{home.path(), QStringLiteral("/srv/data")}, {stick}}, {});

    ModalDriver driver;
    QStringList seen;
    driver.dialog = [&](QWidget* w) {
        auto* fixed = child<QGroupBox>(w, "Радиогруппа_установленных_дисков");
        auto* removable = child<QGroupBox>(w, "Радиогруппа_съемных_дисков");
        seen << QString::number(fixed->findChildren<QRadioButton*>().size())
             << QString::number(removable->findChildren<QRadioButton*>().size())
             << QString::number(child<QPushButton>(w, "Кнопка_архивировать_данные")->isEnabled());
        child<QRadioButton>(removable, "Место_1")->click();
        seen << QString::number(fixed->isEnabled()) << QString::number(removable->isEnabled())
             << labelText(w, "Надпись_диск_выбранный_для_архивирования");
        click(w, "Кнопка_архивировать_данные");
        auto* window = static_cast<TMainFofm_arhivirovanie*>(w);
        seen << QString::number(window->busy())
             << QString::number(child<QPushButton>(w, "Кнопка_закрыть")->isEnabled());
        // While the job runs neither Esc nor the close box closes the window.
        key(w, Qt::Key_Escape);
        w->close();
        seen << QString::number(w->isVisible());
        window->waitForJob();
        seen << labelText(w, "Надпись_диск_выбранный_для_архивирования")
             << QString::number(child<QPushButton>(w, "Кнопка_архивировать_данные")->isEnabled());
        click(w, "Кнопка_закрыть");
    };
    p.trigger("Действие_архивирование_словаря");

    const QString zip = stick + QStringLiteral("/Telvo_Vocabulary_02.zip");
    QCOMPARE(seen,
             (QStringList{"2", "1", "0", "0", "0", u"Диск выбранный для архивирования: "_qs + stick,
                          "1", "0", "1", kArchived + zip, "0"}));
    QVERIFY(driver.seen.isEmpty());
    const QStringList entries = entriesOf(zip);
    QVERIFY2(entries.contains(u"ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Vocabulary.dictdat"_qs),
             qPrintable(entries.join(u' ')));
    // The view state was written first, so the archive holds the rows as they were.
    QVERIFY(entries.contains(u"ProgramData/Telvo_Lab/Telvo_Vocabulary_02/Start.startdat"_qs));
    const QByteArray start = p.read("Start.startdat");
    QCOMPARE(int(start[4]), 25); // the top row at 4
    QCOMPARE(int(start[8]), 30); // the selected row at 8
}

// The archive cannot take the archive's name (here a folder of that name stands there, which
// refuses the final rename even to root): the failure text, and what stood there stays.
void ArchiveWindowTests::archiveFailureKeepsTheOldArchiveAndSaysSo() {
    TempHome home;
    writeDictionary(home, numberedWords(2));
    const QString place = home.path() + QStringLiteral("/stick");
    const QString zip = place + QStringLiteral("/Telvo_Vocabulary_02.zip");
    QVERIFY(QDir().mkpath(zip));
    writeFile(zip + QStringLiteral("/kept"), "the last good archive");
    TestProgram p(home);
    Environment env({{place}, {}}, {});
    ModalDriver driver;
    QString text;
    driver.dialog = [&](QWidget* w) {
        child<QRadioButton>(child<QGroupBox>(w, "Радиогруппа_установленных_дисков"), "Место_1")
            ->click();
        click(w, "Кнопка_архивировать_данные");
        static_cast<TMainFofm_arhivirovanie*>(w)->waitForJob();
        text = labelText(w, "Надпись_диск_выбранный_для_архивирования");
        key(w, Qt::Key_Escape);
    };
    p.trigger("Действие_архивирование_словаря");
    QCOMPARE(text, u"Данные не архивированы (не сохранены). В Вашей операционнй системе "
                   "архивирование на этот диск запрещено. Используйте флешку или другой диск."_qs);
    QCOMPARE(readFile(zip + QStringLiteral("/kept")), QByteArray("the last good archive"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(place).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"Telvo_Vocabulary_02.zip"});
}

void ArchiveWindowTests::restoreReplacesTheDataAndReloadsTheMainWindow() {
    TempHome home;
    writeDictionary(home, numberedWords(2));
    // An archive of another data folder, of three words.
    QTemporaryDir other;
    const QString otherFolder = other.path() + QStringLiteral("/Telvo_Lab/Telvo_Vocabulary_02");
    QVERIFY(QDir().mkpath(otherFolder));
    const QByteArray otherDictionary =
        dictionaryOf({{"alpha", u"альфа"_qs}, {"beta", u"бета"_qs}, {"gamma", u"гамма"_qs}});
    writeFile(otherFolder + QStringLiteral("/Vocabulary.dictdat"), otherDictionary);
    const QString place = home.path() + QStringLiteral("/backup");
    QVERIFY(QDir().mkpath(place));
    QCOMPARE(tools::archiveDataFolder(otherFolder, place).status, tools::ArchiveStatus::Archived);
    const QString zip = place + QStringLiteral("/Telvo_Vocabulary_02.zip");

    TestProgram p(home);
    QCOMPARE(p.g->Kolichestvo_zapisey, 2);
    Environment env({}, zip);
    ModalDriver driver;
    QStringList seen;
    driver.dialog = [&](QWidget* w) {
        seen << labelText(w, "Надпись_полное_имя_архивного_файла")
             << labelText(w, "Надпись_предупреждение")
             << (w->focusWidget() ? w->focusWidget()->objectName() : QString());
        // Until the job has run nothing reloads the tables.
        p.g->Obnovit_pary = false;
        p.g->Obnovit_proslushivanie = false;
        click(w, "Кнопка_восстановить_данные");
        static_cast<TMainForm_vosstanovlenie*>(w)->waitForJob();
        seen << labelText(w, "Надпись_полное_имя_архивного_файла")
             << QString::number(child<QLabel>(w, "Надпись_предупреждение")->isVisible())
             << QString::number(child<QPushButton>(w, "Кнопка_восстановить_данные")->isEnabled());
        click(w, "Кнопка_закрыть");
    };
    p.trigger("Действие_восстановление_словаря");

    QCOMPARE(
        seen,
        (QStringList{u"Полное имя выбранного архивного файла для восстановления данных: "_qs + zip,
                     u"Все имеющиеся сейчас на жестном диске Вашего компьютера данные для "
                     "программы Telvo: Vocabulary будут безвозвратно утрачены и заменены на "
                     "архивные!"_qs,
                     u"Кнопка_восстановить_данные"_qs,
                     u"Данные успешно перенесены из архивного файла на жесткий диск Вашего "
                     "компьютера для использования программой Telvo: Dictionary. Можно "
                     "завершить рабоу с мастером восстановления данных."_qs,
                     "0", "0"}));
    QVERIFY(driver.seen.isEmpty());
    QCOMPARE(env.relocked, 1);
    QCOMPARE(p.read("Vocabulary.dictdat"), otherDictionary);
    QCOMPARE(p.g->Kolichestvo_zapisey, 3);
    QCOMPARE(p.wordLabel(), QStringLiteral("gamma"));
    QVERIFY(p.g->Obnovit_pary);
    QVERIFY(p.g->Obnovit_proslushivanie);
    QVERIFY(!QFileInfo::exists(home.dataFolder() + QStringLiteral("_old")));
}

void ArchiveWindowTests::damagedArchiveLeavesTheDataAsItWas() {
    TempHome home;
    writeDictionary(home, numberedWords(2));
    const QString zip = home.path() + QStringLiteral("/Telvo_Vocabulary_02.zip");
    writeFile(zip, "PK\x03\x04 not really an archive");
    TestProgram p(home);
    const QByteArray before = p.read("Vocabulary.dictdat");
    Environment env({}, zip);
    ModalDriver driver;
    QString text;
    driver.dialog = [&](QWidget* w) {
        click(w, "Кнопка_восстановить_данные");
        static_cast<TMainForm_vosstanovlenie*>(w)->waitForJob();
        text = labelText(w, "Надпись_полное_имя_архивного_файла");
        key(w, Qt::Key_Escape);
    };
    p.trigger("Действие_восстановление_словаря");
    QCOMPARE(text, u"Данные НЕ восстановлены! Вероятно файл с данными или носитель испорчены ... "
                   "Или данные были сформированы в другой операционной системе."_qs);
    QCOMPARE(p.read("Vocabulary.dictdat"), before);
    QCOMPARE(env.relocked, 0);
    QCOMPARE(p.g->Kolichestvo_zapisey, 2);
}

void ArchiveWindowTests::wrongFileNameIsRefused() {
    TempHome home;
    writeDictionary(home, numberedWords(2));
    const QString zip = home.path() + QStringLiteral("/telvo_vocabulary_02.zip");
    writeFile(zip, "x");
    TestProgram p(home);
    Environment env({}, zip);
    ModalDriver driver;
    bool window = false;
    driver.dialog = [&](QWidget* w) {
        window = true;
        w->close();
    };
    p.trigger("Действие_восстановление_словаря");
    QVERIFY(!window);
    QCOMPARE(
        driver.seen,
        QStringList{
            u"TForma_soobschenie_ob_oschibke:Файл для восстановления данных выбран не верно."_qs});
    QVERIFY(!acceptableArchiveName(QStringLiteral("/media/u/Telvo_Vocabulary_02.ZIP")));
    QVERIFY(acceptableArchiveName(QStringLiteral("/media/u/Telvo_Vocabulary_02.zip")));
}

void ArchiveWindowTests::commandsDoNothingWhileTheGroupsWindowIsOpen() {
    TempHome home;
    writeDictionary(home, numberedWords(2));
    TestProgram p(home);
    Environment env({{home.path()}, {}}, home.path() + QStringLiteral("/Telvo_Vocabulary_02.zip"));
    ModalDriver driver;
    bool window = false;
    driver.dialog = [&](QWidget* w) {
        window = true;
        w->close();
    };
    p.g->Okno_grupp_otkryto = true;
    p.trigger("Действие_архивирование_словаря");
    p.trigger("Действие_восстановление_словаря");
    p.g->Okno_grupp_otkryto = false;
    QVERIFY(!window);
    QCOMPARE(env.asked, 0);
    QVERIFY(driver.seen.isEmpty());
}

QTEST_MAIN(ArchiveWindowTests)
#include "ArchiveWindowTests.moc"
