#pragma once

// Helpers shared by the window tests: dictionaries to start from, answering modal windows,
// finding and pressing controls, and the program's main window on a temporary data folder.

#include "app/Program.h"
#include "app/core/Globals.h"
#include "app/windows/Okna.h"
#include "tests/support/TestSupport.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;

namespace telvo {
class Program;
class RecordTableView;
class TForma_gruppy_slov;
class TMainForm;
} // namespace telvo

namespace telvo::test {

struct Word {
    QString english;
    QString translation;
    bool excluded = false;
    bool marked = false;
    double added = 45000;
};

// The transcription written for a word; without one every word gets "тр".
using TranscriptionOf = QString (*)(const Word&);

QByteArray dictionaryOf(const QList<Word>& words, TranscriptionOf transcription = nullptr);
// "word1" … "wordN" translated "слово 1" … "слово N"; the first `excluded` are excluded.
QList<Word> numberedWords(int n, int excluded = 0);

// Runs `act` on the modal window called `name` once it is the active modal one. If another
// window (or none) stays up instead, whatever is modal is closed after a while so a failing
// test cannot hang; `act` then never runs and the test's checks fail.
void whenModal(const QString& name, std::function<void(QWidget*)> act);
// Drops the polls still waiting; a test's leftovers must not act on the next test's windows.
void cancelPendingPolls();
// What a test leaves behind must not reach the next one: its waiting polls and an open modal
// window.
void closeLeftovers();

template <class T> T* child(QWidget* w, const char* name) {
    T* found = w->findChild<T*>(QString::fromUtf8(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}

void click(QWidget* w, const char* button);
// Types text the way a keyboard does; Cyrillic letters go one key event at a time.
void type(QWidget* w, const QString& text);
// Presses `k` on the control that has (or last had) the focus in `w`, where the user's would go.
void key(QWidget* w, Qt::Key k);
// Text of the message, question or error window `w`.
QString windowText(QWidget* w);

// Answers every message, question and error window that comes up while it lives: questions
// with `yes`, the others closed; what they said is kept in `seen`. Other modal windows are
// handed to `dialog`.
class ModalDriver : public QObject {
public:
    explicit ModalDriver(bool yes = true);
    std::function<void(QWidget*)> dialog;
    QStringList seen;
    void setYes(bool yes) { yes_ = yes; }

private:
    void look();
    QTimer poll_;
    bool yes_;
    QList<QPointer<QWidget>> dialogs_;
};

void writeData(const TempHome& home, const char* name, const QByteArray& bytes);
void writeDictionary(const TempHome& home, const QList<Word>& words,
                     TranscriptionOf transcription = nullptr);
void writeRange(const TempHome& home, bool whole, int start, int end, bool toEnd = false);

// The whole program, built by its composition root, on one data folder. A derived harness may
// watch windows in installWindows() and calls start() from its constructor.
class WindowProgram {
public:
    explicit WindowProgram(const TempHome& home) : home_(home) {}
    virtual ~WindowProgram();
    WindowProgram(const WindowProgram&) = delete;
    WindowProgram& operator=(const WindowProgram&) = delete;

    // Creates the shared state and the program's windows and shows the main window.
    void start();
    // Makes the main window the active one, as it is again after a dialog closes on a desktop,
    // so that its command keys and focus changes work.
    void activate();
    // Presses a key on the main table with the main window active.
    void key(int key, Qt::KeyboardModifiers mods = {});
    // Opens the groups window from the main window's command and makes it the active one.
    TForma_gruppy_slov* openGroups();
    // Closes the window answering the exit question with "Да"; true when it closed.
    bool closeAnsweringYes();
    void restart();

    QString file(const char* name) const;
    QByteArray read(const char* name) const { return readFile(file(name)); }
    bool exists(const char* name) const;
    QAction* action(const char* name) const;
    // Triggers the main window's command, which must be there and enabled.
    void trigger(const char* action);
    template <class T> T* control(const char* name) const { return child<T>(formWidget(), name); }
    QString pane(const char* name) const;
    // The main window's own English word label (exercise windows have one too).
    QString wordLabel() const;
    RecordTableView& table() const;

    std::unique_ptr<Globalnye_peremennye_slovarya> g;
    std::unique_ptr<Program> program;
    TMainForm* form = nullptr; // the program's main window
    Okna& okna() const;

protected:
    // Runs once the program's windows exist, before the main window shows.
    virtual void installWindows() {}

private:
    QWidget* formWidget() const;
    const TempHome& home_;
};

} // namespace telvo::test
