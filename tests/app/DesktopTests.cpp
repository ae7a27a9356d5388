#include "app/Desktop.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

// The program's place on the desktop and Qt's own texts in Russian.
class DesktopTests : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void standardButtonsSpeakRussian_data();
    void standardButtonsSpeakRussian();
    void fileDialogSpeaksRussian();
    void desktopEntryNamesTheProgramsWindowClassAndIcon();
    void windowIconHasEverySizeCompiledIn();
};

void DesktopTests::initTestCase() {
    // The session of the test speaks English; the program must not follow it.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(telvo::installRussianQtTranslations(*qApp));
    telvo::setDesktopIdentity();
}

void DesktopTests::standardButtonsSpeakRussian_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("Ok") << int(QDialogButtonBox::Ok) << QStringLiteral("OK");
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << QStringLiteral("Отмена");
    QTest::newRow("Yes") << int(QDialogButtonBox::Yes) << QStringLiteral("&Да");
    QTest::newRow("No") << int(QDialogButtonBox::No) << QStringLiteral("&Нет");
    QTest::newRow("Open") << int(QDialogButtonBox::Open) << QStringLiteral("Открыть");
    QTest::newRow("Save") << int(QDialogButtonBox::Save) << QStringLiteral("Сохранить");
}

void DesktopTests::standardButtonsSpeakRussian() {
    QFETCH(int, button);
    QFETCH(QString, text);
    // The buttons of the system message box are the same standard buttons.
    QMessageBox box;
    box.setStandardButtons(QMessageBox::StandardButtons(button));
    QAbstractButton* shown = box.button(QMessageBox::StandardButton(button));
    QVERIFY(shown);
    QCOMPARE(shown->text(), text);
}

void DesktopTests::fileDialogSpeaksRussian() {
    QFileDialog dialog(nullptr, QString(), QDir::homePath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    QVERIFY2(labels.contains(QStringLiteral("&Имя файла:")), qPrintable(labels.join(" | ")));
    QVERIFY2(labels.contains(QStringLiteral("Перейти к:")), qPrintable(labels.join(" | ")));
}

void DesktopTests::desktopEntryNamesTheProgramsWindowClassAndIcon() {
    // The taskbar groups the windows under the entry only when these names agree; the entry is
    // the installed file itself.
    const QString path = QStringLiteral(TELVO_DESKTOP_FILE);
    QCOMPARE(QFileInfo(path).fileName(), telvo::desktopId() + ".desktop");
    QCOMPARE(QGuiApplication::desktopFileName(), telvo::desktopId());
    QCOMPARE(QCoreApplication::applicationName(), telvo::windowClass());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QMap<QString, QString> entry;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            entry.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    QCOMPARE(entry.value("StartupWMClass"), telvo::windowClass());
    QCOMPARE(entry.value("Icon"), telvo::desktopId());
    QCOMPARE(entry.value("Exec"), QStringLiteral("telvo-vocabulary"));
    QCOMPARE(entry.value("Name[ru]"), QStringLiteral("Лексикар"));
}

void DesktopTests::windowIconHasEverySizeCompiledIn() {
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    for (int size : {16, 32, 48, 256}) {
        const QImage image = icon.pixmap(size, size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // The icon's background is blue at the centre of its upper edge, never an empty picture.
        const QColor top = image.pixelColor(size / 2, size / 8 + 1);
        QVERIFY2(top.alpha() == 255 && top.blue() > top.red() + 60,
                 qPrintable(QStringLiteral("%1: %2").arg(size).arg(top.name(QColor::HexArgb))));
    }
}

QTEST_MAIN(DesktopTests)
#include "DesktopTests.moc"
