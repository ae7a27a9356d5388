// The program's start with the real main window on data files whose stored numbers or view
// state cannot be taken as they are: the window must come up whole, with nothing sized by
// the stored numbers, and close without a failure.

#include "platform/gui/Application.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/TMainForm.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace telvo;
using namespace telvo::test;

namespace {

// The whole program, as the composition root builds it.
class StartedProgram : public WindowProgram {
public:
    explicit StartedProgram(const TempHome& home) : WindowProgram(home) { start(); }
};

platform::Application* application() {
    return static_cast<platform::Application*>(QCoreApplication::instance());
}

const char* const kHistories[] = {"Stat_eng.dictstat", "Stat_rus.dictstat", "Stat_per_eng.dictstat",
                                  "Stat_per_rus.dictstat", "Stat_pair.dictstat"};

const QString kCaption30 =
    QStringLiteral("Telvo: Vocabulary \u2015 Лексикар. (Диапазон для упражнений: 1 - 30)");

} // namespace

class StartUpWindowTests : public QObject {
    Q_OBJECT

private slots:
    void init() {
        failures.clear();
        previous = application()->setFailureDisplay([this](const QString& t) { failures << t; });
    }
    void cleanup() {
        application()->setFailureDisplay(previous);
        closeLeftovers();
    }

    void rangeThatDoesNotFit_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("rangeAfter");
        QTest::addColumn<bool>("historiesKept");
        QTest::addColumn<QString>("englishPane");
        const QByteArray fixed1to30 = bytes({0, 0, 0, 0, 1, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0});
        const QByteArray whole1to30 = bytes({1, 0, 0, 0, 1, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0});
        const QByteArray fresh = bytes({1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0});
        QTest::newRow("end 2^31-1")
            << bytes({0, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}) << fixed1to30
            << true << "  Остаток английских = 28";
        QTest::newRow("end 1000000")
            << bytes({0, 0, 0, 0, 1, 0, 0, 0, 0x40, 0x42, 0x0F, 0, 0, 0, 0, 0}) << fixed1to30
            << true << "  Остаток английских = 28";
        QTest::newRow("start -2^31")
            << bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}) << whole1to30
            << false << QString();
        QTest::newRow("start > end") << bytes({0, 0, 0, 0, 9, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0})
                                     << whole1to30 << false << QString();
        QTest::newRow("10 bytes") << bytes({0, 0, 0, 0, 9, 0, 0, 0, 3, 0}) << fresh << false
                                  << QString();
    }

    void rangeThatDoesNotFit() {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, rangeAfter);
        QFETCH(bool, historiesKept);
        QFETCH(QString, englishPane);
        TempHome home;
        writeDictionary(home, numberedWords(30));
        writeData(home, "upragneniy.uprdat", stored);
        for (const char* h : kHistories)
            writeData(home, h, QByteArray(2, '\x01') + QByteArray(28, '\0'));

        StartedProgram p(home);
        QCOMPARE(p.form->windowTitle(), kCaption30);
        QCOMPARE(p.pane("Панель_вывода_остатка_непредъявленных_слов"), englishPane);
        QCOMPARE(p.wordLabel(), QStringLiteral("word30"));
        QCOMPARE(p.read("upragneniy.uprdat").toHex(' '), rangeAfter.toHex(' '));
        for (const char* h : kHistories)
            QCOMPARE(p.exists(h), historiesKept);
        QCOMPARE(failures, QStringList());
        QVERIFY(p.closeAnsweringYes());
        QCOMPARE(failures, QStringList());
    }

    void viewStateThatCannotServe_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("5 bytes") << "short";
        QTest::newRow("dangling link") << "link";
    }

    void viewStateThatCannotServe() {
        QFETCH(QString, kind);
        TempHome home;
        writeDictionary(home, numberedWords(5));
        writeRange(home, true, 1, 5);
        const QString start = home.dataFolder() + QStringLiteral("/Start.startdat");
        if (kind == "folder")
            QVERIFY(QDir().mkpath(start + QStringLiteral("/inside")));
        else if (kind == "short")
            writeFile(start, bytes({0, 1, 0, 0, 3}));
        else
            QVERIFY(QFile::link(home.path() + QStringLiteral("/nowhere"), start));

        StartedProgram p(home);
        // The defaults of a first start: translations shown, the full view, row 1.
        QCOMPARE(
            p.form->windowTitle(),
            QStringLiteral("Telvo: Vocabulary \u2015 Лексикар. (Диапазон для упражнений: 1 - 5)"));
        QCOMPARE(p.table().currentIndex().row(), 0);
        QCOMPARE(p.wordLabel(), QStringLiteral("word5"));
        QVERIFY(p.control<QCheckBox>("Переключатель_перевод")->isChecked());
        QVERIFY(!p.control<QCheckBox>("Переключатель_фильтр")->isChecked());
        QCOMPARE(failures, QStringList());

        QVERIFY(p.closeAnsweringYes());
        QCOMPARE(failures, QStringList());
        if (kind == "folder") {
            QVERIFY(QFileInfo(start + QStringLiteral("/inside")).isDir());
        } else {
            // Replaced by the view state of this run.
            QCOMPARE(p.read("Start.startdat").toHex(' '),
                     bytes({1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}).toHex(' '));
        }
    }

    void repetitionsStoredAtTheLargestNumberStayThere() {
        TempHome home;
        writeDictionary(home, numberedWords(5));
        writeRange(home, true, 1, 5);
        // Translations on, full view, top row 1, row 2, repetitions 2^31 - 1.
        writeData(home, "Start.startdat",
                  bytes({1, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F}));
        StartedProgram p(home);
        auto* button = p.control<QPushButton>("Кнопка_количество_повторений");
        QCOMPARE(button->text(), QStringLiteral("2147483647"));
        QCOMPARE(p.wordLabel(), QStringLiteral("word4"));
        button->click();
        QCOMPARE(button->text(), QStringLiteral("2147483647"));
        QCOMPARE(failures, QStringList());
        QVERIFY(p.closeAnsweringYes());
        QCOMPARE(p.read("Start.startdat").toHex(' '),
                 bytes({1, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F}).toHex(' '));
    }

private:
    QStringList failures;
    platform::Application::FailureDisplay previous;
};

int main(int argc, char** argv) {
    platform::Application app(argc, argv, QStringLiteral("Лексикар"));
    StartUpWindowTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "StartUpWindowTests.moc"
