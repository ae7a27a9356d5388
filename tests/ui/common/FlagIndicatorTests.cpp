#include "platform/gui/KeyboardLayout.h"
#include "ui/common/FlagIndicator.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using telvo::FlagIndicator;

namespace {

// The picture the label shows, for comparison with the flag files.
QImage shownImage(const FlagIndicator& flag) {
    return flag.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage flagImage(bool english) {
    return QImage(english ? FlagIndicator::englishFlagPath() : FlagIndicator::russianFlagPath())
        .convertToFormat(QImage::Format_ARGB32);
}

// A small window with a text field and the flag, as the dialogs have.
struct Window {
    explicit Window(int interval) : flag(new FlagIndicator(interval, &widget)) {
        auto* layout = new QHBoxLayout(&widget);
        layout->addWidget(new QLineEdit(&widget));
        layout->addWidget(flag);
        flag->setObjectName(QStringLiteral("Картинка"));
    }
    bool showActive() {
        widget.show();
        widget.activateWindow();
        return QTest::qWaitForWindowActive(&widget);
    }
    QWidget widget;
    FlagIndicator* flag;
};

} // namespace

class FlagIndicatorTest : public QObject {
    Q_OBJECT

    QString layout_;

private slots:
    void init() {
        layout_ = QStringLiteral("ru");
        platform::setKeyboardLayoutOverride([this] { return layout_; });
    }
    void cleanup() { platform::setKeyboardLayoutOverride({}); }

    void picturesAreCompiledIn() {
        const QImage usa = flagImage(true);
        const QImage russia = flagImage(false);
        QCOMPARE(usa.size(), QSize(32, 32));
        QCOMPARE(russia.size(), QSize(32, 32));
        QVERIFY(usa != russia);
    }

    void activationShowsTheLayoutsFlagAndStartsPolling_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("english");
        QTest::newRow("russian, dialog") << "ru" << 250 << false;
        QTest::newRow("english US, main window") << "us" << 125 << true;
        QTest::newRow("english UK") << "gb" << 250 << false;
        QTest::newRow("german") << "de" << 250 << false;
    }
    void activationShowsTheLayoutsFlagAndStartsPolling() {
        QFETCH(QString, layout);
        QFETCH(int, interval);
        QFETCH(bool, english);
        layout_ = layout;
        Window w(interval);
        QVERIFY(!w.flag->timer()->isActive());
        QVERIFY(w.showActive());
        QVERIFY(w.flag->hasFlag());
        QCOMPARE(w.flag->showsEnglish(), english);
        QCOMPARE(shownImage(*w.flag), flagImage(english));
        QVERIFY(w.flag->timer()->isActive());
        QCOMPARE(w.flag->timer()->interval(), interval);
    }

    void layoutChangeIsShownAtTheNextTick_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("englishAfter");
        QTest::newRow("russian to english US") << "ru"
                                               << "us" << true;
        QTest::newRow("english US to russian") << "us"
                                               << "ru" << false;
        QTest::newRow("russian to english UK keeps russian") << "ru"
                                                             << "gb" << false;
        QTest::newRow("english US to english UK") << "us"
                                                  << "gb" << false;
        QTest::newRow("english UK to english US") << "gb"
                                                  << "us" << true;
    }
    void layoutChangeIsShownAtTheNextTick() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, englishAfter);
        layout_ = before;
        Window w(250);
        QVERIFY(w.showActive());
        layout_ = after;
        // Nothing changes between ticks.
        QCOMPARE(w.flag->showsEnglish(), before == QLatin1String("us"));
        QSignalSpy ticks(w.flag->timer(), &QTimer::timeout);
        QVERIFY(ticks.wait(1000));
        QCOMPARE(w.flag->showsEnglish(), englishAfter);
        QCOMPARE(shownImage(*w.flag), flagImage(englishAfter));
    }

    void changedSignalOnlyOnARealChange() {
        Window w(125);
        QSignalSpy changed(w.flag, &FlagIndicator::flagChanged);
        QVERIFY(w.showActive());
        QCOMPARE(changed.count(), 1);
        w.flag->tick();
        w.flag->tick();
        QCOMPARE(changed.count(), 1);
        layout_ = QStringLiteral("us");
        w.flag->tick();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().at(0).toBool(), true);
    }

    void hidingStopsPollingAndShowingAgainCatchesUp() {
        Window w(250);
        QVERIFY(w.showActive());
        QVERIFY(w.flag->timer()->isActive());
        w.widget.hide();
        QVERIFY(!w.flag->timer()->isActive());
        // Shown again (long-lived dialogs are): the picture follows the layout at once.
        layout_ = QStringLiteral("us");
        w.widget.show();
        QVERIFY(w.flag->showsEnglish());
        QVERIFY(w.flag->timer()->isActive());
    }

    void reactivationShowsTheLayoutAtOnce() {
        // Polling so slow that only the activation can update the picture.
        Window first(600000);
        QVERIFY(first.showActive());
        QVERIFY(!first.flag->showsEnglish());
        Window second(600000);
        QVERIFY(second.showActive());
        QTRY_VERIFY(!first.widget.isActiveWindow());
        layout_ = QStringLiteral("us");
        first.widget.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&first.widget));
        QVERIFY(first.flag->showsEnglish());
        QCOMPARE(shownImage(*first.flag), flagImage(true));
        // An inactive window waits for its own activation or tick.
        QVERIFY(!second.flag->showsEnglish());
    }
};

QTEST_MAIN(FlagIndicatorTest)
#include "FlagIndicatorTests.moc"
