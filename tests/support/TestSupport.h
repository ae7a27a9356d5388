#pragma once

#include "app/core/Failure.h"
#include "app/core/Globals.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace telvo::test {

// Thrown by the test terminator in place of ending the process. Not a std::exception, so the
// reporting wrappers of enclosing procedures let it pass.
struct ProgramEnded {
    QString reportText;
};

// Points XDG_DATA_HOME and XDG_RUNTIME_DIR at a fresh temporary folder and replaces the
// program terminator, for the lifetime of the object.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return dir_.path(); }
    // The data folder the program uses under this home.
    QString dataFolder() const;

private:
    QTemporaryDir dir_;
    QByteArray oldDataHome_;
    QByteArray oldRuntime_;
    ProgramTerminator oldTerminator_;
};

// The report text of the failure `work` reported (TempHome's terminator throws it), or the
// empty text when `work` reported none.
template <class Work> QString reportOf(Work&& work) {
    try {
        std::forward<Work>(work)();
    } catch (const ProgramEnded& ended) {
        return ended.reportText;
    }
    return {};
}

// The report text ends with the name of the procedure that failed.
inline ::testing::AssertionResult reportedAs(const QString& reportText, const QString& name) {
    if (reportText.isEmpty())
        return ::testing::AssertionFailure() << "no failure reported";
    const QString tail = QStringLiteral("  ...   в модуле :  ") + name + QStringLiteral("  ...");
    if (reportText.endsWith(tail))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "report: " << reportText.toStdString();
}

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// Bytes from a list of small numbers: bytes({1, 0, 0, 0}).
QByteArray bytes(std::initializer_list<int> values);
// Printable hex of a byte array, for readable assertion messages.
std::string hex(const QByteArray& bytes);

} // namespace telvo::test
