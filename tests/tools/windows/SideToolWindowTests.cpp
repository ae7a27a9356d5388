#include "platform/gui/OpenWithDesktop.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/WindowTestSupport.h"
#include "tools/logic/WebAddresses.h"
#include "tools/windows/AboutWindow.h"
#include "tools/windows/DownloadWindow.h"
#include "tools/windows/ManualCommands.h"
#include "ui/common/ActivityIndicator.h"
#include "ui/common/GroupsWindow.h"
#include "ui/common/IdiomsWindow.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
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

// The download's connection test, folder and limit, and the server's address, are the test's.
struct Download {
    Download(QString folder, int limitMs, bool connected = true)
        : oldUrl_(qgetenv("TELVO_DOWNLOAD_URL")) {
        old_ = setDownloadEnvironment(
            {[connected] { return connected; }, [folder] { return folder; }, limitMs});
        qputenv("TELVO_DOWNLOAD_URL", server.base().toString().toLatin1());
    }
    ~Download() {
        setDownloadEnvironment(old_);
        if (oldUrl_.isNull())
            qunsetenv("TELVO_DOWNLOAD_URL");
        else
            qputenv("TELVO_DOWNLOAD_URL", oldUrl_);
    }
    LoopbackHttpServer server;

private:
    DownloadEnvironment old_;
    QByteArray oldUrl_;
};

// The groups and idioms windows as far as the manual needs them: they keep what is installed.
class FakeGroups : public GroupsWindow {
public:
    QWidget* widget() override { return nullptr; }
    bool isOpen() const override { return true; }
    QString selectedWord() const override { return {}; }
    QString selectedTranslation() const override { return {}; }
    int selectedGroup() const override { return -1; }
    void installCommand(GroupsCommand command, std::function<void()> run) override {
        commands[int(command)] = std::move(run);
    }
    QMap<int, std::function<void()>> commands;
};
class FakeIdioms : public IdiomsWindow {
public:
    QWidget* widget() override { return nullptr; }
    bool isOpen() const override { return true; }
    QString selectedIdiomText() const override { return {}; }
    void installCommand(IdiomsCommand command, std::function<void()> run) override {
        commands[int(command)] = std::move(run);
    }
    QMap<int, std::function<void()>> commands;
};

QString normalised(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

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

    void downloadSavesTheArchiveAndCannotBeClosedMeanwhile();
    void downloadFailuresSayWhatHappened_data();
    void downloadFailuresSayWhatHappened();
    void downloadNeedsANetworkConnection();

    void manualOpensFromEveryWindowOrSaysWhatIsMissing_data();
    void manualOpensFromEveryWindowOrSaysWhatIsMissing();
    void builtManualNamesEveryMainWindowCommand();
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

void SideToolWindowTests::downloadSavesTheArchiveAndCannotBeClosedMeanwhile() {
    TempHome home;
    writeDictionary(home, numberedWords(2));
    TestProgram p(home);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Загрузки"));
    Download d(folder, 10000);
    static constexpr char kBody[] = "PK\x03\x04 sounds\r\n\0 archive";
    const QByteArray body(kBody, sizeof kBody - 1); // the zero byte inside is part of it
    d.server.head.body = body;
    d.server.get.body = body;
    QStringList seen;
    whenModal(QStringLiteral("TForma_skachivanie_slovarya"), [&](QWidget* w) {
        auto* window = static_cast<TForma_skachivanie_slovarya*>(w);
        auto* get = child<QPushButton>(w, "Кнопка_скачать");
        auto* close = child<QPushButton>(w, "Кнопка_закрыть");
        auto* indicator = child<ActivityIndicator>(w, "Индикатор_активности");
        seen << w->windowTitle() << labelText(w, "Надпись_на_форме")
             << QString::number(get->isEnabled()) << QString::number(close->isEnabled())
             << QString::number(close->isDefault());
        click(w, "Кнопка_скачать");
        seen << labelText(w, "Надпись_на_форме") << QString::number(window->busy())
             << QString::number(get->isEnabled()) << QString::number(close->isEnabled())
             << QString::number(indicator->running());
        // While it runs neither Esc nor the close box closes the window.
        key(w, Qt::Key_Escape);
        w->close();
        seen << QString::number(w->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!window->busy(), 10000);
        seen << labelText(w, "Надпись_на_форме") << QString::number(get->isEnabled())
             << QString::number(close->isEnabled()) << QString::number(close->hasFocus())
             << QString::number(indicator->running());
        // Every line of the text has room.
        auto* label = child<QLabel>(w, "Надпись_на_форме");
        seen << QString::number(label->height() >= label->heightForWidth(label->width()));
        key(w, Qt::Key_Escape);
    });
    p.trigger("Действие_скачать_словарь");
    QCOMPARE(seen,
             (QStringList{u"Скачивание словаря на диск"_qs, u"Начать скачивание словаря?"_qs, "1",
                          "1", "1", u"Идет скачивание словаря, ждите ..."_qs, "1", "0", "0", "1",
                          "1", u"Словарь (файл: sounds.zip) скачен в папку "_qs + folder, "0", "1",
                          "1", "0", "1"}));
    QVERIFY(!QApplication::activeModalWidget());
    QFile saved(folder + QStringLiteral("/sounds.zip"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), body);
    QCOMPARE(d.server.requests.size(), 2);
}

void SideToolWindowTests::downloadFailuresSayWhatHappened_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("text");
    QTest::newRow("404 on HEAD") << "head 404" << u"Отсутствует файл для скачивания ..."_qs;
    QTest::newRow("GET never answered")
        << "silent get"
        << u"За отведенное время не удалось скачать словарь. Попробуйте самостоятельно скачать "
           u"его с сайта "_qs +
               QString::fromLatin1(tools::kMakerWebAddress);
    QTest::newRow("folder cannot be written")
        << "unwritable"
        << u"Операционная система не позволяет сохранить скаченный файл на диск. Попробуйте "
           u"запустить программу от имени одминистратора."_qs;
}

void SideToolWindowTests::downloadFailuresSayWhatHappened() {
    QFETCH(QString, server);
    QFETCH(QString, text);
    TempHome home;
    writeDictionary(home, numberedWords(2));
    TestProgram p(home);
    QTemporaryDir dir;
    QString folder = dir.path();
    if (server == QLatin1String("unwritable")) {
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        folder = blocker.fileName() + QStringLiteral("/Загрузки");
    }
    Download d(folder, 400);
    d.server.head.status = server == QLatin1String("head 404") ? 404 : 200;
    d.server.get.silent = server == QLatin1String("silent get");
    d.server.get.body = "zip";
    QStringList seen;
    whenModal(QStringLiteral("TForma_skachivanie_slovarya"), [&](QWidget* w) {
        auto* window = static_cast<TForma_skachivanie_slovarya*>(w);
        click(w, "Кнопка_скачать");
        QTRY_VERIFY_WITH_TIMEOUT(!window->busy(), 10000);
        seen << labelText(w, "Надпись_на_форме")
             << QString::number(child<QPushButton>(w, "Кнопка_закрыть")->isEnabled())
             << QString::number(child<QPushButton>(w, "Кнопка_скачать")->isEnabled());
        // The longer texts wrap onto more lines; the window grows so that none is cut.
        auto* label = child<QLabel>(w, "Надпись_на_форме");
        seen << QString::number(label->height() >= label->heightForWidth(label->width()));
        click(w, "Кнопка_закрыть");
    });
    p.trigger("Действие_скачать_словарь");
    QCOMPARE(seen, (QStringList{text, "1", "0", "1"}));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/sounds.zip")));
}

void SideToolWindowTests::downloadNeedsANetworkConnection() {
    TempHome home;
    writeDictionary(home, numberedWords(2));
    TestProgram p(home);
    QTemporaryDir dir;
    Download d(dir.path(), 400, false);
    ModalDriver driver;
    QStringList others;
    driver.dialog = [&](QWidget* w) {
        others << w->objectName();
        w->close();
    };
    p.trigger("Действие_скачать_словарь");
    QCOMPARE(driver.seen,
             QStringList{u"TForma_soobshenie:Для скачивания словаря нужна связь с сетью Интернет. "
                         u"Исправьте неполадку и попробуйте еще раз."_qs});
    QCOMPARE(others, QStringList());
    QVERIFY(d.server.requests.isEmpty());
}

void SideToolWindowTests::manualOpensFromEveryWindowOrSaysWhatIsMissing_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("viewer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("opened");
    const QStringList noFile{u"TForma_soobshenie:Нет файла: User_manual_telvo_vocabulary.pdf"_qs};
    const QStringList noViewer{
        u"TForma_soobshenie:На Вашем компьютере не установлена программа для просмотра "
        u"pdf-файлов."_qs};
    for (const char* window : {"main", "F1", "groups", "idioms"}) {
        const QByteArray w(window);
        QTest::newRow(w + " opens") << window << "file" << true << QStringList() << 1;
        QTest::newRow(w + " no viewer") << window << "file" << false << noViewer << 1;
        QTest::newRow(w + " no file") << window << "missing" << true << noFile << 0;
        QTest::newRow(w + " folder of that name") << window << "folder" << true << noFile << 0;
    }
}

void SideToolWindowTests::manualOpensFromEveryWindowOrSaysWhatIsMissing() {
    QFETCH(QString, window);
    QFETCH(QString, file);
    QFETCH(bool, viewer);
    QFETCH(QStringList, messages);
    QFETCH(int, opened);
    TempHome home;
    writeDictionary(home, numberedWords(2));
    TestProgram p(home);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("User_manual_telvo_vocabulary.pdf"));
    if (file == QLatin1String("file")) {
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("%PDF-1.4\n");
    } else if (file == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(pdf));
    }
    const QString old = setManualFile(pdf);
    Desktop desktop(viewer);
    ModalDriver driver;
    FakeGroups groups;
    FakeIdioms idioms;
    installManualCommand(groups, *p.g);
    installManualCommand(idioms, *p.g);
    if (window == QLatin1String("main"))
        p.trigger("Действие_руководство_пользователя");
    else if (window == QLatin1String("F1"))
        p.key(Qt::Key_F1);
    else if (window == QLatin1String("groups"))
        groups.commands.value(int(GroupsCommand::Manual))();
    else
        idioms.commands.value(int(IdiomsCommand::Manual))();
    setManualFile(old);
    QCOMPARE(driver.seen, messages);
    QCOMPARE(desktop.opened.size(), opened);
    if (opened)
        QCOMPARE(desktop.opened[0], QUrl::fromLocalFile(pdf));
}

void SideToolWindowTests::builtManualNamesEveryMainWindowCommand() {
    // The manual the build made, beside the program as it is installed.
    const QString pdf = QStringLiteral(MANUAL_PDF);
    QVERIFY2(QFile::exists(pdf), qPrintable(pdf));
    QCOMPARE(manualFile(), pdf);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(30000));
    QCOMPARE(pdftotext.exitCode(), 0);
    const QString text = normalised(QString::fromUtf8(pdftotext.readAllStandardOutput()));
    QVERIFY(text.contains(u"Лексикар (Telvo: Vocabulary)"_qs));
    QVERIFY(text.contains(u"Руководство пользователя"_qs));

    TempHome home;
    writeDictionary(home, numberedWords(2));
    TestProgram p(home);
    QStringList missing;
    int commands = 0;
    for (QAction* a : p.form->findChildren<QAction*>()) {
        const QString name = a->objectName();
        // The main window's own commands; the windows it owns have actions of their own.
        const auto* owner = qobject_cast<QWidget*>(a->parent());
        if (!owner || owner->window() != p.form)
            continue;
        if (a->text().isEmpty() ||
            !(name.startsWith(u"Действие_"_qs) || name.startsWith(u"Дейсвтие_"_qs)))
            continue;
        ++commands;
        const QString shown = normalised(QString(a->text()).remove(u'&'));
        if (!text.contains(shown))
            missing << shown;
    }
    QVERIFY2(commands >= 35, qPrintable(QString::number(commands)));
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", ")));
}

QTEST_MAIN(SideToolWindowTests)
#include "SideToolWindowTests.moc"
