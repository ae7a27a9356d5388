#include "platform/gui/OpenWithDesktop.h"
#include "tests/support/WindowTestSupport.h"
#include "tools/logic/WebAddresses.h"
#include "tools/windows/AboutWindow.h"

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

// Counts what would have gone to the desktop and answers `opens`.
struct Desktop {
    explicit Desktop(bool opens = true) {
        old_ = platform::setOpenWithDesktopOverride([this, opens](const QUrl& url) {
            opened << url;
            return opens;
        });
    }
    ~Desktop() { platform::setOpenWithDesktopOverride(old_); }
    QList<QUrl> opened;

private:
    platform::OpenWithDesktopOverride old_;
};

QString labelText(QWidget* w, const char* name) {
    auto* l = child<QLabel>(w, name);
    return l ? l->text() : QStringLiteral("<none>");
}

} // namespace

class SideToolWindowTests : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeLeftovers(); }

    void aboutWindowShowsNameVersionAndOpensTheWebAddress();
    void aboutWindowClosesByButtonAndEsc_data();
    void aboutWindowClosesByButtonAndEsc();
};

void SideToolWindowTests::aboutWindowShowsNameVersionAndOpensTheWebAddress() {
    TempHome home;
    writeDictionary(home, numberedWords(2));
    TestProgram p(home);
    Desktop desktop;
    QStringList seen;
    bool fits = false;
    whenModal(QStringLiteral("TForma_o_programme"), [&](QWidget* w) {
        seen << w->windowTitle() << labelText(w, "Надпись_с_названием")
             << labelText(w, "Надпись_с_названием_программы") << labelText(w, "Надпись_версия")
             << labelText(w, "Надпись_адрес_сайта");
        auto* link = child<QLabel>(w, "Надпись_адрес_сайта");
        seen << QString::number(link->font().underline())
             << QString::number(link->cursor().shape() == Qt::PointingHandCursor);
        // Every text has room for itself.
        fits = w->width() >= 537 && w->height() >= 171;
        for (const char* name : {"Надпись_с_названием", "Надпись_с_названием_программы",
                                 "Надпись_версия", "Надпись_адрес_сайта"}) {
            auto* l = child<QLabel>(w, name);
            fits = fits && l->width() >= l->sizeHint().width();
        }
        QTest::mouseClick(link, Qt::LeftButton);
        // A press that ends outside the label opens nothing.
        QTest::mousePress(link, Qt::LeftButton);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, -5));
        seen << QString::number(w->isVisible());
        click(w, "Кнопка_закрыть");
    });
    p.trigger("Действие_о_программе");
    QCOMPARE(seen, (QStringList{u"О программе"_qs, "Telvo: Vocabulary", u"Лексикар"_qs,
                                u"Версия 1.02.19"_qs, QString::fromLatin1(tools::kMakerWebAddress),
                                "1", "1", "1"}));
    QVERIFY(fits);
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl(QString::fromLatin1(tools::kMakerWebAddress))});
    QVERIFY(!QApplication::activeModalWidget());
}

void SideToolWindowTests::aboutWindowClosesByButtonAndEsc_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Закрыть") << "Закрыть";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("Ctrl+A") << "Ctrl+A";
}

void SideToolWindowTests::aboutWindowClosesByButtonAndEsc() {
    QFETCH(QString, how);
    TempHome home;
    writeDictionary(home, numberedWords(2));
    TestProgram p(home);
    bool shown = false;
    whenModal(QStringLiteral("TForma_o_programme"), [&](QWidget* w) {
        shown = true;
        if (how == QLatin1String("Закрыть"))
            click(w, "Кнопка_закрыть");
        else if (how == QLatin1String("Enter"))
            key(w, Qt::Key_Return);
        else if (how == QLatin1String("Esc"))
            key(w, Qt::Key_Escape);
        else
            w->close();
    });
    if (how == QLatin1String("Ctrl+A"))
        p.key(Qt::Key_A, Qt::ControlModifier);
    else
        p.trigger("Действие_о_программе");
    QVERIFY(shown);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(SideToolWindowTests)
#include "SideToolWindowTests.moc"
