#include "tests/support/WindowTestSupport.h"

#include "app/Program.h"
#include "app/windows/Okna.h"
#include "groups/windows/TForma_gruppy_slov.h"
#include "store/Records.h"
#include "ui/common/RecordTableView.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace telvo::test {

QByteArray dictionaryOf(const QList<Word>& words, TranscriptionOf transcription) {
    QByteArray out;
    for (const Word& w : words)
        out += dictRecordLiteral(w.english, transcription ? transcription(w) : QStringLiteral("тр"),
                                 w.translation, w.added, w.excluded, w.marked);
    return out;
}

QList<Word> numberedWords(int n, int excluded) {
    QList<Word> words;
    for (int i = 1; i <= n; ++i)
        words.append(
            {QStringLiteral("word%1").arg(i), QStringLiteral("слово %1").arg(i), i <= excluded});
    return words;
}

namespace {

QList<QPointer<QTimer>>& pendingPolls() {
    static QList<QPointer<QTimer>> polls;
    return polls;
}

} // namespace

void cancelPendingPolls() {
    for (const QPointer<QTimer>& poll : pendingPolls())
        delete poll.data();
    pendingPolls().clear();
}

void closeLeftovers() {
    cancelPendingPolls();
    if (QWidget* w = QApplication::activeModalWidget())
        w->close();
}

void whenModal(const QString& name, std::function<void(QWidget*)> act) {
    auto* poll = new QTimer(qApp);
    pendingPolls().append(poll);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, name, act] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->objectName() == name) {
            poll->stop();
            poll->deleteLater();
            act(w);
            return;
        }
        if (clock->elapsed() > 3000) {
            poll->stop();
            poll->deleteLater();
            qWarning("window %s did not come up", qPrintable(name));
            if (w)
                w->close();
        }
    });
    poll->start(5);
}

void click(QWidget* w, const char* button) {
    if (auto* b = child<QPushButton>(w, button))
        b->click();
}

void type(QWidget* w, const QString& text) {
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void key(QWidget* w, Qt::Key k) {
    QWidget* target = w->focusWidget();
    QTest::keyClick(target ? target : w, k);
}

QString windowText(QWidget* w) {
    for (const char* name :
         {"Надпись_текст_сообщения", "Надпись_текст_вопроса", "Область_текста_сообщения"}) {
        if (auto* label = w->findChild<QLabel*>(QString::fromUtf8(name)))
            return label->text();
    }
    return {};
}

ModalDriver::ModalDriver(bool yes) : yes_(yes) {
    connect(&poll_, &QTimer::timeout, this, &ModalDriver::look);
    poll_.start(5);
}

void ModalDriver::look() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || dialogs_.contains(w))
        return;
    const QString name = w->objectName();
    if (name == QLatin1String("TForma_vopros_s_viborom")) {
        seen << name + u':' + windowText(w);
        w->findChild<QPushButton*>(yes_ ? QStringLiteral("Кнопка_да")
                                        : QStringLiteral("Кнопка_нет"))
            ->click();
    } else if (name == QLatin1String("TForma_soobshenie") ||
               name == QLatin1String("TForma_soobschenie_ob_oschibke")) {
        seen << name + u':' + windowText(w);
        w->close();
    } else if (dialog) {
        // Each dialog is driven once; the message windows are shown again and again.
        // Driven from a timer of its own: this poll must keep answering the windows the
        // dialog opens, and a timer does not fire again while its slot runs.
        dialogs_.append(w);
        QTimer::singleShot(0, this, [this, w = QPointer<QWidget>(w)] {
            if (w)
                dialog(w);
        });
    }
}

void writeData(const TempHome& home, const char* name, const QByteArray& bytes) {
    writeFile(home.dataFolder() + u'/' + QLatin1String(name), bytes);
}

void writeDictionary(const TempHome& home, const QList<Word>& words,
                     TranscriptionOf transcription) {
    writeData(home, "Vocabulary.dictdat", dictionaryOf(words, transcription));
}

void writeRange(const TempHome& home, bool whole, int start, int end, bool toEnd) {
    writeData(home, "upragneniy.uprdat", rangeRecordLiteral(whole, start, end, toEnd));
}

WindowProgram::~WindowProgram() {
    program.reset();
}

Okna& WindowProgram::okna() const {
    return program->okna();
}

void WindowProgram::start() {
    g = std::make_unique<Globalnye_peremennye_slovarya>();
    program = std::make_unique<Program>(*g);
    form = &program->mainForm();
    installWindows();
    form->show();
    QVERIFY2(QTest::qWaitForWindowExposed(form), "main window not exposed");
}

void WindowProgram::activate() {
    form->activateWindow();
    // The window system may call the window active before the application delivers the
    // activation; keys go to the table only once the application agrees.
    QVERIFY2(QTest::qWaitFor([this] { return QApplication::activeWindow() == form; }),
             "main window not active");
}

TForma_gruppy_slov* WindowProgram::openGroups() {
    activate();
    trigger("Действие_группы_слов");
    TForma_gruppy_slov* w = okna().Forma_gruppy_slov;
    w->activateWindow();
    if (!QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }))
        qWarning("the groups window is not active");
    return w;
}

void WindowProgram::key(int key, Qt::KeyboardModifiers mods) {
    activate();
    QTest::keyClick(&table(), Qt::Key(key), mods);
}

bool WindowProgram::closeAnsweringYes() {
    whenModal(QStringLiteral("TForma_vopros_s_viborom"), [](QWidget* q) { click(q, "Кнопка_да"); });
    return form->close();
}

void WindowProgram::restart() {
    QVERIFY(closeAnsweringYes());
    program.reset();
    form = nullptr;
    start();
}

QString WindowProgram::file(const char* name) const {
    return home_.dataFolder() + u'/' + QLatin1String(name);
}

bool WindowProgram::exists(const char* name) const {
    return QFileInfo::exists(file(name));
}

QAction* WindowProgram::action(const char* name) const {
    return form->findChild<QAction*>(QString::fromUtf8(name));
}

void WindowProgram::trigger(const char* name) {
    QAction* a = action(name);
    QVERIFY2(a && a->isEnabled(), name);
    a->trigger();
}

QString WindowProgram::pane(const char* name) const {
    return control<QLabel>(name)->text();
}

QString WindowProgram::wordLabel() const {
    for (QLabel* l : form->findChildren<QLabel*>(QStringLiteral("Надпись_английское_слово")))
        if (l->window() == form)
            return l->text();
    return {};
}

RecordTableView& WindowProgram::table() const {
    return form->table();
}

QWidget* WindowProgram::formWidget() const {
    return form;
}

} // namespace telvo::test
