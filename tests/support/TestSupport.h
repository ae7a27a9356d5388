#pragma once

#include "app/core/Failure.h"
#include "app/core/Globals.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <initializer_list>

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

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// Bytes from a list of small numbers: bytes({1, 0, 0, 0}).
QByteArray bytes(std::initializer_list<int> values);
// Printable hex of a byte array, for readable assertion messages.
std::string hex(const QByteArray& bytes);

} // namespace telvo::test
