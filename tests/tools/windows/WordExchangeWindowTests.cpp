#include "tests/support/WindowTestSupport.h"
#include "tools/windows/WordExchangeWindows.h"
#include "ui/main/TMainForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using namespace telvo;
using namespace telvo::test;

namespace {

class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) { start(); }
    QByteArray dictionary() const { return read("Vocabulary.dictdat"); }
};

// The file dialogs answer with a path of the test's; how often they were asked is counted.
struct Choosers {
    explicit Choosers(QString path) : path_(std::move(path)) {
        old_ = setWordFileChoosers({[this](QWidget*) {
                                        ++asked;
                                        return path_;
                                    },
                                    [this](QWidget*, const QString& suggested) {
                                        ++asked;
                                        this->suggested = suggested;
                                        return path_;
                                    }});
    }
    ~Choosers() { setWordFileChoosers(old_); }
    int asked = 0;
    QString suggested;

private:
    QString path_;
    WordFileChoosers old_;
};

QString cell(QWidget* w, int row, int column) {
    const QTableWidgetItem* item =
        child<QTableWidget>(w, "Таблица_предпросмотра")->item(row, column);
    return item ? item->text() : QStringLiteral("(none)");
}

} // namespace

class WordExchangeWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeLeftovers(); }

    void importsCsvWithHeaderSkippingDuplicates();
    void separatorAndHeaderChangeThePreview();
    void cancelChangesNothing();
    void unreadableFilesAreRefusedWithAMessage_data();
    void unreadableFilesAreRefusedWithAMessage();
    void kvtmlWithUnclearLanguagesAsksForColumns();
    void exportsTheChosenWords();
    void commandsDoNothingWhileTheGroupsWindowIsOpen();
};

void WordExchangeWindowTests::importsCsvWithHeaderSkippingDuplicates() {
    TempHome home;
    writeDictionary(home, numberedWords(2));
    const QString path = home.path() + QStringLiteral("/words.csv");
    writeFile(path,
              QString(u"English;Перевод\r\nWORD1;слово\r\ncat;\"кот; кошка\"\r\nowl;сова\r\n"_qs)
                  .toUtf8());
    TestProgram p(home);
    const QByteArray before = p.dictionary();
    Choosers choosers(path);

    ModalDriver driver;
    QStringList shown;
    driver.dialog = [&](QWidget* w) {
        shown << child<QComboBox>(w, "Список_разделителей")->currentText()
              << child<QComboBox>(w, "Столбец_английского_слова")->currentText()
              << child<QComboBox>(w, "Столбец_перевода")->currentText()
              << QString::number(child<QCheckBox>(w, "Переключатель_заголовок")->isChecked())
              << cell(w, 0, 0) << cell(w, 1, 2)
              << child<QPushButton>(w, "Кнопка_импортировать")->text();
        click(w, "Кнопка_импортировать");
    };
    p.trigger("Действие_импорт_слов");

    QCOMPARE(shown,
             (QStringList{u"Точка с запятой"_qs, u"Столбец 1: English"_qs, u"Столбец 2: Перевод"_qs,
                          "1", "WORD1", u"кот; кошка"_qs, u"Импортировать (3)"_qs}));
    QCOMPARE(driver.seen.size(), 1);
    QVERIFY2(driver.seen[0].startsWith(u"TForma_soobshenie:Добавлено слов: 2."_qs),
             qPrintable(driver.seen[0]));
    QVERIFY(driver.seen[0].contains(u"Пропущено слов, которые уже есть в словаре: 1."_qs));
    const QByteArray after = p.dictionary();
    QCOMPARE(after.size(), 4 * 176);
    QCOMPARE(after.left(2 * 176), before);
    QCOMPARE(p.g->Kolichestvo_zapisey, 4);
    // The newest record is row 1 and its word is shown.
    QCOMPARE(p.form->selectedRow(), 1);
    QCOMPARE(p.wordLabel(), QStringLiteral("owl"));
}

void WordExchangeWindowTests::separatorAndHeaderChangeThePreview() {
    TempHome home;
    writeDictionary(home, numberedWords(1));
    const QString path = home.path() + QStringLiteral("/words.txt");
    writeFile(path, "cat,kot\tx\ndog,pes\ty\n");
    TestProgram p(home);
    Choosers choosers(path);

    ModalDriver driver;
    QStringList shown;
    driver.dialog = [&](QWidget* w) {
        auto* separators = child<QComboBox>(w, "Список_разделителей");
        shown << separators->currentText() << cell(w, 0, 0) << cell(w, 0, 2);
        separators->setCurrentIndex(separators->findText(QStringLiteral("Запятая")));
        shown << cell(w, 0, 0) << cell(w, 0, 2);
        child<QCheckBox>(w, "Переключатель_заголовок")->setChecked(true);
        shown << cell(w, 0, 0)
              << QString::number(child<QTableWidget>(w, "Таблица_предпросмотра")->rowCount());
        click(w, "Кнопка_отмена");
    };
    p.trigger("Действие_импорт_слов");
    QCOMPARE(shown, (QStringList{u"Табуляция"_qs, "cat,kot", "x", "cat", "kot\tx", "dog", "1"}));
    QVERIFY(driver.seen.isEmpty());
}

void WordExchangeWindowTests::cancelChangesNothing() {
    TempHome home;
    writeDictionary(home, numberedWords(3));
    const QString path = home.path() + QStringLiteral("/words.csv");
    writeFile(path, "a,b\nc,d\n");
    TestProgram p(home);
    const QByteArray before = p.dictionary();
    const QByteArray forgotten = p.read("Stat_forget.dictstat");
    Choosers choosers(path);
    ModalDriver driver;
    bool shown = false;
    driver.dialog = [&](QWidget* w) {
        shown = true;
        key(w, Qt::Key_Escape);
    };
    p.trigger("Действие_импорт_слов");
    QVERIFY(shown);
    QCOMPARE(p.dictionary(), before);
    QCOMPARE(p.read("Stat_forget.dictstat"), forgotten);
    QVERIFY(driver.seen.isEmpty());
}

void WordExchangeWindowTests::unreadableFilesAreRefusedWithAMessage_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("broken XML") << QByteArray(
                                       "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><entries>")
                                << u"не удалось прочитать как словарь KVTML"_qs;
    QTest::newRow("old KVTML") << QByteArray("<?xml version=\"1.0\"?><kvtml version=\"1.0\"/>")
                               << u"версии 1.0 не поддерживается"_qs;
    QTest::newRow("empty file") << QByteArray() << u"нет слов для импорта"_qs;
    QTest::newRow("only blank lines") << QByteArray("\r\n\r\n") << u"нет слов для импорта"_qs;
}

void WordExchangeWindowTests::unreadableFilesAreRefusedWithAMessage() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    TempHome home;
    writeDictionary(home, numberedWords(2));
    const QString path = home.path() + QStringLiteral("/words.kvtml");
    writeFile(path, content);
    TestProgram p(home);
    const QByteArray before = p.dictionary();
    Choosers choosers(path);
    ModalDriver driver;
    bool importWindow = false;
    driver.dialog = [&](QWidget* w) {
        importWindow = true;
        w->close();
    };
    p.trigger("Действие_импорт_слов");
    QVERIFY(!importWindow);
    QCOMPARE(driver.seen.size(), 1);
    QVERIFY2(driver.seen[0].contains(message), qPrintable(driver.seen[0]));
    QCOMPARE(p.dictionary(), before);
}

void WordExchangeWindowTests::kvtmlWithUnclearLanguagesAsksForColumns() {
    TempHome home;
    writeDictionary(home, {});
    const QString path = home.path() + QStringLiteral("/words.kvtml");
    writeFile(path, QString(u"<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers>"
                            "<identifier id=\"0\"><name>Колонка 1</name></identifier>"
                            "<identifier id=\"1\"><name>Колонка 2</name></identifier></identifiers>"
                            "<entries><entry id=\"0\"><translation id=\"0\"><text>кот</text>"
                            "</translation><translation id=\"1\"><text>cat</text>"
                            "<pronunciation>кэт</pronunciation></translation></entry></entries>"
                            "</kvtml>"_qs)
                        .toUtf8());
    TestProgram p(home);
    Choosers choosers(path);
    ModalDriver driver;
    QStringList shown;
    driver.dialog = [&](QWidget* w) {
        shown << child<QLabel>(w, "Надпись_подсказки")->text() << cell(w, 0, 0);
        auto* english = child<QComboBox>(w, "Столбец_английского_слова");
        english->setCurrentIndex(1);
        auto* translation = child<QComboBox>(w, "Столбец_перевода");
        // The same column for both is refused and the window stays.
        translation->setCurrentIndex(translation->findData(1));
        click(w, "Кнопка_импортировать");
        shown << QString::number(w->isVisible());
        translation->setCurrentIndex(translation->findData(0));
        shown << cell(w, 0, 0) << cell(w, 0, 1) << cell(w, 0, 2);
        click(w, "Кнопка_импортировать");
    };
    p.trigger("Действие_импорт_слов");
    QCOMPARE(shown,
             (QStringList{
                 u"Не удалось определить, в каком столбце английские слова: выберите столбцы."_qs,
                 u"кот"_qs, "1", "cat", u"кэт"_qs, u"кот"_qs}));
    QCOMPARE(driver.seen.size(), 2);
    QCOMPARE(driver.seen[0],
             u"TForma_soobshenie:Выберите разные столбцы для английского слова и перевода."_qs);
    QCOMPARE(p.g->Kolichestvo_zapisey, 1);
    QCOMPARE(p.wordLabel(), QStringLiteral("cat"));
}

void WordExchangeWindowTests::exportsTheChosenWords() {
    TempHome home;
    writeDictionary(home, {{"cat", u"кот, кошка"_qs}, {"owl", u"сова"_qs}});
    const QString path = home.path() + QStringLiteral("/out");
    TestProgram p(home);
    Choosers choosers(path);
    ModalDriver driver;
    driver.dialog = [&](QWidget* w) {
        child<QRadioButton>(w, "Переключатель_забытые")->setChecked(true);
        click(w, "Кнопка_экспортировать");
        child<QRadioButton>(w, "Переключатель_весь_словарь")->setChecked(true);
        auto* formats = child<QComboBox>(w, "Список_форматов");
        formats->setCurrentIndex(1);
        click(w, "Кнопка_экспортировать");
    };
    p.trigger("Действие_экспорт_слов");
    QCOMPARE(choosers.asked, 1);
    QCOMPARE(choosers.suggested, u"Словарь.csv"_qs);
    QCOMPARE(driver.seen.size(), 2);
    QCOMPARE(driver.seen[0], u"TForma_soobshenie:Нет слов для экспорта."_qs);
    QVERIFY2(driver.seen[1].contains(u"Экспортировано слов: 2."_qs), qPrintable(driver.seen[1]));
    // The transcription of the test dictionary is "тр"; oldest record first.
    QCOMPARE(
        readFile(path + QStringLiteral(".csv")),
        QString(u"English,Transcription,Translation\r\ncat,тр,\"кот, кошка\"\r\nowl,тр,сова\r\n"_qs)
            .toUtf8());
}

void WordExchangeWindowTests::commandsDoNothingWhileTheGroupsWindowIsOpen() {
    TempHome home;
    writeDictionary(home, numberedWords(2));
    TestProgram p(home);
    Choosers choosers(home.path() + QStringLiteral("/none.csv"));
    ModalDriver driver;
    bool opened = false;
    driver.dialog = [&](QWidget* w) {
        opened = true;
        w->close();
    };
    p.g->Okno_grupp_otkryto = true;
    p.trigger("Действие_импорт_слов");
    p.trigger("Действие_экспорт_слов");
    p.g->Okno_grupp_otkryto = false;
    QCOMPARE(choosers.asked, 0);
    QVERIFY(!opened);
    QVERIFY(driver.seen.isEmpty());
}

QTEST_MAIN(WordExchangeWindowTests)
#include "WordExchangeWindowTests.moc"
