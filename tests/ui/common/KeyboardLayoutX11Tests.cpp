// Runs on a private X server of its own (see CMakeLists.txt), so changing its keymap disturbs
// no other test.
#include "platform/gui/KeyboardLayout.h"
#include "ui/common/KeyboardLayoutCheck.h"
#include "ui/common/FlagIndicator.h"

#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using telvo::FlagIndicator;

namespace {

bool setLayouts(const QString& layouts, const QString& variants = {}) {
    QStringList args{QStringLiteral("-layout"), layouts};
    if (!variants.isEmpty())
        args << QStringLiteral("-variant") << variants;
    return QProcess::execute(QStringLiteral("setxkbmap"), args) == 0;
}

} // namespace

class KeyboardLayoutX11Test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server");
    }
    void cleanup() { setLayouts(QStringLiteral("us")); }

    void activeGroupsLayoutDecides_data() {
        QTest::addColumn<QString>("layouts");
        QTest::addColumn<QString>("variants");
        QTest::addColumn<QString>("active");
        QTest::addColumn<bool>("english");
        QTest::newRow("us then ru") << "us,ru"
                                    << ""
                                    << "us" << true;
        QTest::newRow("ru then us") << "ru,us"
                                    << ""
                                    << "ru" << false;
        QTest::newRow("gb then us") << "gb,us"
                                    << ""
                                    << "gb" << false;
        QTest::newRow("us dvorak") << "us"
                                   << "dvorak"
                                   << "us" << true;
        QTest::newRow("de alone") << "de"
                                  << ""
                                  << "de" << false;
    }
    void activeGroupsLayoutDecides() {
        QFETCH(QString, layouts);
        QFETCH(QString, variants);
        QFETCH(QString, active);
        QFETCH(bool, english);
        QVERIFY(setLayouts(layouts, variants));
        QCOMPARE(platform::activeXkbLayout(), active);
        QCOMPARE(telvo::Raskladka_klaviatury(), english);
    }

    void flagFollowsTheServersLayout() {
        QVERIFY(setLayouts(QStringLiteral("ru,us")));
        QWidget window;
        auto* flag = new FlagIndicator(125, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(flag->hasFlag());
        QVERIFY(!flag->showsEnglish());

        QVERIFY(setLayouts(QStringLiteral("us,ru")));
        QSignalSpy ticks(flag->timer(), &QTimer::timeout);
        QVERIFY(ticks.wait(2000));
        QVERIFY(flag->showsEnglish());

        QVERIFY(setLayouts(QStringLiteral("gb,us")));
        ticks.clear();
        QVERIFY(ticks.wait(2000));
        QVERIFY(!flag->showsEnglish());
    }
};

QTEST_MAIN(KeyboardLayoutX11Test)
#include "KeyboardLayoutX11Tests.moc"
