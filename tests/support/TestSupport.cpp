#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

namespace telvo::test {

TempHome::TempHome()
    : oldDataHome_(qgetenv("XDG_DATA_HOME")), oldRuntime_(qgetenv("XDG_RUNTIME_DIR")) {
    QDir(dir_.path()).mkpath(QStringLiteral("data"));
    QDir(dir_.path()).mkpath(QStringLiteral("runtime"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.path() + QStringLiteral("/data")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.path() + QStringLiteral("/runtime")));
    QFile::setPermissions(dir_.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    oldTerminator_ = setProgramTerminator([](const QString& text) { throw ProgramEnded{text}; });
}

TempHome::~TempHome() {
    setProgramTerminator(oldTerminator_);
    qputenv("XDG_DATA_HOME", oldDataHome_);
    qputenv("XDG_RUNTIME_DIR", oldRuntime_);
}

QString TempHome::dataFolder() const {
    return dir_.path() + QStringLiteral("/data/Telvo_Lab/Telvo_Vocabulary_02");
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size())
        std::abort();
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

std::string hex(const QByteArray& data) {
    return data.toHex(' ').toStdString();
}

} // namespace telvo::test
