// Enter on a focused button presses that button; the default button takes Enter only while no
// button has the focus.

#include "ui/common/ButtonKeys.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using namespace telvo;

namespace {

// A dialog with a default button, a button that is not auto-default (the kind Qt would pass
// Enter over) and an auto-default one, an edit field and a check box.
struct Window {
    explicit Window(bool dialog, bool withDefault) {
        if (dialog)
            window = std::make_unique<QDialog>();
        else
            window = std::make_unique<QMainWindow>();
        auto* face = dialog ? window.get() : new QWidget(window.get());
        if (!dialog)
            static_cast<QMainWindow*>(window.get())->setCentralWidget(face);
        auto* layout = new QVBoxLayout(face);
        edit = new QLineEdit(face);
        box = new QCheckBox(QStringLiteral("box"), face);
        layout->addWidget(edit);
        layout->addWidget(box);
        for (const char* name : {"default", "plain", "auto"}) {
            auto* b = new QPushButton(QString::fromUtf8(name), face);
            b->setObjectName(QString::fromUtf8(name));
            layout->addWidget(b);
            buttons << b;
            spies.push_back(std::make_unique<QSignalSpy>(b, &QPushButton::clicked));
        }
        buttons[0]->setDefault(withDefault);
        buttons[1]->setAutoDefault(false);
        buttons[2]->setAutoDefault(true);
        enterPressesFocusedButton(window.get());
        window->show();
        window->activateWindow();
    }

    QWidget* focus(const QString& name) {
        QWidget* w = name == QLatin1String("edit")  ? static_cast<QWidget*>(edit)
                     : name == QLatin1String("box") ? static_cast<QWidget*>(box)
                                                    : window->findChild<QPushButton*>(name);
        w->setFocus(Qt::TabFocusReason);
        return w;
    }

    // The names of the buttons that were clicked, in the order of the buttons.
    QStringList clicked() const {
        QStringList names;
        for (int i = 0; i < buttons.size(); ++i)
            if (spies[size_t(i)]->count() > 0)
                names << QStringLiteral("%1x%2")
                             .arg(buttons[i]->objectName())
                             .arg(spies[size_t(i)]->count());
        return names;
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* edit = nullptr;
    QCheckBox* box = nullptr;
    QList<QPushButton*> buttons;
    std::vector<std::unique_ptr<QSignalSpy>> spies;
};

} // namespace

class ButtonKeysTests : public QObject {
    Q_OBJECT

private slots:
    void keysGoToTheFocusedButton_data() {
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<bool>("withDefault");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("clicked");
        const int none = Qt::NoModifier;
        const int keypad = Qt::KeypadModifier;
        const int ctrl = Qt::ControlModifier;
        const int ret = Qt::Key_Return;
        const int enter = Qt::Key_Enter;
        const int space = Qt::Key_Space;
        const QStringList nothing;
        QTest::newRow("dialog, Enter on the plain button")
            << true << true << "plain" << ret << none << QStringList{"plainx1"};
        QTest::newRow("dialog, keypad Enter on the plain button")
            << true << true << "plain" << enter << keypad << QStringList{"plainx1"};
        QTest::newRow("dialog, Enter on the auto-default button")
            << true << true << "auto" << ret << none << QStringList{"autox1"};
        QTest::newRow("dialog, Enter on the default button")
            << true << true << "default" << ret << none << QStringList{"defaultx1"};
        QTest::newRow("dialog, Enter in the edit field presses the default")
            << true << true << "edit" << ret << none << QStringList{"defaultx1"};
        QTest::newRow("dialog, Enter on the check box presses the default")
            << true << true << "box" << ret << none << QStringList{"defaultx1"};
        QTest::newRow("dialog, Space on the plain button")
            << true << true << "plain" << space << none << QStringList{"plainx1"};
        QTest::newRow("dialog, Ctrl+Enter on the plain button is no press")
            << true << true << "plain" << ret << ctrl << nothing;
        QTest::newRow("dialog without default, Enter on the plain button")
            << true << false << "plain" << ret << none << QStringList{"plainx1"};
        QTest::newRow("dialog without default, Enter on the check box")
            << true << false << "box" << ret << none << nothing;
        QTest::newRow("main window, Enter on a button")
            << false << false << "plain" << ret << none << QStringList{"plainx1"};
        QTest::newRow("main window, Enter on another button")
            << false << false << "default" << ret << none << QStringList{"defaultx1"};
        QTest::newRow("main window, Space on a button")
            << false << false << "auto" << space << none << QStringList{"autox1"};
        QTest::newRow("main window, Enter in the edit field")
            << false << false << "edit" << ret << none << nothing;
    }
    void keysGoToTheFocusedButton() {
        QFETCH(bool, dialog);
        QFETCH(bool, withDefault);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QStringList, clicked);
        Window w(dialog, withDefault);
        QWidget* target = w.focus(focus);
        QCOMPARE(w.window->focusWidget(), target);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.clicked(), clicked);
    }
};

QTEST_MAIN(ButtonKeysTests)
#include "ButtonKeysTests.moc"
