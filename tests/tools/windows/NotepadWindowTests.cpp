#include "platform/Files.h"
#include "tests/support/WindowTestSupport.h"
#include "tools/windows/NotepadWindow.h"
#include "tools/windows/SideToolCommands.h"
#include "ui/common/IdiomsWindow.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QtTest>

#include <cerrno>
#include <map>

using namespace telvo;
using namespace telvo::test;

namespace {

class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) { start(); }
};

QPlainTextEdit* memoOf(QWidget* w) {
    return child<QPlainTextEdit>(w, "Область_ввода_блокнотика");
}

const QString kClearQuestion = u"Все содержимое болкнотика будет безвозвратно удалено. Вы "
                               "действительно ходите удалить это содержимое?"_qs;

// The idioms window as the side tools see it: its commands are kept to be run by the test.
class FakeIdiomsWindow : public IdiomsWindow {
public:
    QWidget* widget() override { return &window; }
    bool isOpen() const override { return open; }
    QString selectedIdiomText() const override { return idiom; }
    void installCommand(IdiomsCommand command, std::function<void()> run) override {
        commands[command] = std::move(run);
    }
    QWidget window;
    bool open = true;
    QString idiom;
    std::map<IdiomsCommand, std::function<void()>> commands;
};

} // namespace

class NotepadWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        platform::faults::disarm();
        closeLeftovers();
    }

    // The file's lines are shown with the caret on the last one; closing untouched writes
    // nothing (the LF-only file would come back with CR LF).
    void showsTheFileAndLeavesItAloneWhenUnchanged() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "bloknotik.txt", "\xcf\xe5\xf0\xe2\xe0\xff\nlast line");
        TestProgram p(home);
        ModalDriver driver;
        QStringList seen;
        driver.dialog = [&](QWidget* w) {
            QPlainTextEdit* memo = memoOf(w);
            seen << w->objectName() << w->windowTitle() << memo->toPlainText()
                 << QString::number(memo->textCursor().blockNumber())
                 << QString::number(memo->textCursor().positionInBlock())
                 << QString::number(w->focusWidget() == memo)
                 << QString::number(static_cast<TForma_bloknotik*>(w)->changed());
            click(w, "Кнопка_закрыть");
        };
        p.trigger("Действие_вызвать_блокнотик");
        QCOMPARE(seen, (QStringList{u"TForma_bloknotik"_qs, u"Блокнотик для коротких записей"_qs,
                                    u"Первая\nlast line"_qs, "1", "0", "1", "0"}));
        QCOMPARE(p.read("bloknotik.txt"), QByteArray("\xcf\xe5\xf0\xe2\xe0\xff\nlast line"));
        QVERIFY(driver.seen.isEmpty());
    }

    // Typed Cyrillic is written in Windows-1251 with CR LF after every line, on every way of
    // closing.
    void typedNotesAreWrittenOnClose_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Закрыть") << "Закрыть";
        QTest::newRow("Esc in the memo") << "Esc";
        QTest::newRow("Esc on Очистить все") << "EscClear";
        QTest::newRow("close box") << "close";
    }
    void typedNotesAreWrittenOnClose() {
        QFETCH(QString, how);
        TempHome home;
        writeDictionary(home, numberedWords(2));
        TestProgram p(home);
        ModalDriver driver;
        bool closed = false;
        driver.dialog = [&](QWidget* w) {
            QPlainTextEdit* memo = memoOf(w);
            type(memo, u"Ёж"_qs);
            QTest::keyClick(memo, Qt::Key_Return);
            type(memo, u"hedgehog"_qs);
            if (how == QLatin1String("Закрыть"))
                click(w, "Кнопка_закрыть");
            else if (how == QLatin1String("Esc"))
                QTest::keyClick(memo, Qt::Key_Escape);
            else if (how == QLatin1String("EscClear"))
                QTest::keyClick(child<QPushButton>(w, "Кнопка_очистить_все"), Qt::Key_Escape);
            else
                w->close();
            closed = !w->isVisible();
        };
        p.trigger("Действие_вызвать_блокнотик");
        QVERIFY(closed);
        QCOMPARE(p.read("bloknotik.txt"), QByteArray("\xa8\xe6\r\nhedgehog\r\n"));
    }

    void openingWithoutAFileAndClosingCreatesNone() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        TestProgram p(home);
        ModalDriver driver;
        QString text = u"not opened"_qs;
        driver.dialog = [&](QWidget* w) {
            text = memoOf(w)->toPlainText();
            key(w, Qt::Key_Escape);
        };
        p.trigger("Действие_вызвать_блокнотик");
        QCOMPARE(text, QString());
        QVERIFY(!p.exists("bloknotik.txt"));
    }

    // "Нет" keeps everything; "Да" empties the memo and the file at closing (also when the
    // memo was empty already).
    void clearAllAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("Нет") << false << QByteArray("keep\r\n") << QByteArray("keep\r\n");
        QTest::newRow("Да") << true << QByteArray("keep\r\n") << QByteArray();
        QTest::newRow("Да on an empty file") << true << QByteArray() << QByteArray();
    }
    void clearAllAsksFirst() {
        QFETCH(bool, yes);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "bloknotik.txt", before);
        TestProgram p(home);
        ModalDriver driver(yes);
        QStringList seen;
        driver.dialog = [&](QWidget* w) {
            click(w, "Кнопка_очистить_все");
            seen << memoOf(w)->toPlainText() << QString::number(w->focusWidget() == memoOf(w));
            click(w, "Кнопка_закрыть");
        };
        p.trigger("Действие_вызвать_блокнотик");
        QCOMPARE(driver.seen, QStringList{u"TForma_vopros_s_viborom:"_qs + kClearQuestion});
        QCOMPARE(seen, (QStringList{yes ? QString() : u"keep"_qs, "1"}));
        QVERIFY(p.exists("bloknotik.txt"));
        QCOMPARE(p.read("bloknotik.txt"), after);
    }

    // A disk that refuses the write: the window says why and asks. "Нет" keeps it open with the
    // text, which the next try writes; "Да" closes it and the old notes stay.
    void failedWriteAsksBeforeLosingTheText_data() {
        QTest::addColumn<bool>("closeAnyway");
        QTest::newRow("Нет") << false;
        QTest::newRow("Да") << true;
    }
    void failedWriteAsksBeforeLosingTheText() {
        QFETCH(bool, closeAnyway);
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "bloknotik.txt", "old\r\n");
        TestProgram p(home);
        ModalDriver driver(closeAnyway);
        QStringList seen;
        driver.dialog = [&](QWidget* w) {
            QPlainTextEdit* memo = memoOf(w);
            memo->moveCursor(QTextCursor::End);
            type(memo, u" и новое"_qs);
            platform::faults::arm(1, platform::faults::Action::Fail, ENOSPC, true);
            click(w, "Кнопка_закрыть");
            platform::faults::disarm();
            seen << QString::number(w->isVisible()) << memo->toPlainText();
            if (w->isVisible())
                click(w, "Кнопка_закрыть");
        };
        p.trigger("Действие_вызвать_блокнотик");
        QCOMPARE(seen, (QStringList{closeAnyway ? "0" : "1", u"old и новое"_qs}));
        QCOMPARE(driver.seen.size(), 1);
        QVERIFY2(driver.seen[0].startsWith(
                     u"TForma_vopros_s_viborom:Записи блокнотика не сохранены: "_qs) &&
                     driver.seen[0].endsWith(u" Закрыть блокнотик без сохранения?"_qs),
                 qPrintable(driver.seen[0]));
        QCOMPARE(p.read("bloknotik.txt"), closeAnyway
                                              ? QByteArray("old\r\n")
                                              : QByteArray("old \xe8 \xed\xee\xe2\xee\xe5\r\n"));
    }

    // A notepad file that cannot be read is reported and left alone; the window does not stay
    // open to write an empty memo over it.
    void unreadableFileIsReportedAndLeftAlone() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        TestProgram p(home);
        QVERIFY(QDir().mkpath(p.file("bloknotik.txt")));
        writeFile(p.file("bloknotik.txt") + QStringLiteral("/inside"), "x");
        ModalDriver driver;
        p.trigger("Действие_вызвать_блокнотик");
        QCOMPARE(driver.seen.size(), 1);
        QVERIFY2(driver.seen[0].startsWith(
                     u"TForma_soobschenie_ob_oschibke:Не удалось открыть блокнотик: "_qs),
                 qPrintable(driver.seen[0]));
        QVERIFY2(driver.seen[0].endsWith(u"/bloknotik.txt: это не файл"_qs),
                 qPrintable(driver.seen[0]));
        QCOMPARE(readFile(p.file("bloknotik.txt") + QStringLiteral("/inside")), QByteArray("x"));
    }

    // The idioms window's Ctrl+B opens the same notepad over the idioms window.
    void idiomsWindowOpensTheNotepad() {
        TempHome home;
        writeDictionary(home, numberedWords(2));
        writeData(home, "bloknotik.txt", "idiom notes\r\n");
        TestProgram p(home);
        FakeIdiomsWindow idioms;
        installIdiomsSideToolCommands(idioms, *p.g);
        QVERIFY(idioms.commands.count(IdiomsCommand::Notepad));
        ModalDriver driver;
        QStringList seen;
        driver.dialog = [&](QWidget* w) {
            seen << w->objectName() << memoOf(w)->toPlainText()
                 << QString::number(w->parentWidget() == &idioms.window);
            key(w, Qt::Key_Escape);
        };
        idioms.commands[IdiomsCommand::Notepad]();
        QCOMPARE(seen, (QStringList{u"TForma_bloknotik"_qs, u"idiom notes"_qs, "1"}));
    }
};

QTEST_MAIN(NotepadWindowTests)
#include "NotepadWindowTests.moc"
