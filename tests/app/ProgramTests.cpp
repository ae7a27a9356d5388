// The composition root builds the whole program: every long-lived window exists and every
// enabled command of the main window carries something out.

#include "app/Program.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QtTest>
#include <stdexcept>

using namespace telvo;
using namespace telvo::test;

namespace {

class TestProgram : public WindowProgram {
public:
    explicit TestProgram(const TempHome& home) : WindowProgram(home) { start(); }
};

} // namespace

class ProgramTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeLeftovers(); }

    void everyWindowExistsAndEveryEnabledCommandIsConnected_data() {
        QTest::addColumn<int>("records");
        QTest::newRow("empty dictionary") << 0;
        QTest::newRow("three words") << 3;
    }
    void everyWindowExistsAndEveryEnabledCommandIsConnected() {
        QFETCH(int, records);
        TempHome home;
        if (records > 0)
            writeDictionary(home, numberedWords(records));
        TestProgram p(home);
        QCOMPARE(p.program->missingWindows(), QStringList());
        QCOMPARE(p.form->enabledActionsWithoutCommand(), QStringList());
        // The exercise commands are among those the root installed.
        QVERIFY(p.action("Действие_изменить_диапазон")->isEnabled());
        QVERIFY(p.action("Действие_найти_перевод")->isEnabled());
        // After the layout timer has enabled or disabled the editing commands, still all wired.
        QTest::qWait(300);
        QCOMPARE(p.form->enabledActionsWithoutCommand(), QStringList());
    }

    void aCommandInstalledTwiceFailsLoudly() {
        TempHome home;
        TestProgram p(home);
        MainWindow& main = *p.form;
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 main.installCommand(MainCommand::ChangeRange, [] {}));
    }
};

QTEST_MAIN(ProgramTests)
#include "ProgramTests.moc"
