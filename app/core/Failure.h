#pragma once

#include <QString>
#include <functional>
#include <stdexcept>
#include <utility>

namespace telvo {

// A failure of a data operation (file missing, short read, failed write). Procedures let it
// reach their reporting wrapper.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromUtf8(what()); }
};

// The text the reporter shows for a failure of procedure `name`.
QString failureReportText(const QString& failureText, const QString& name);

// Shows the report and ends the program. Must not return. Replaced in tests.
using ProgramTerminator = std::function<void(const QString& reportText)>;

// Installs a terminator and returns the previous one.
ProgramTerminator setProgramTerminator(ProgramTerminator terminator);

// Reports a failure of procedure `name` and ends the program; never returns.
[[noreturn]] void Obrabotka_isklyucheniya(const QString& name, const QString& failureText);

// Runs `work` so that any failure inside it is reported under the procedure's own name.
template <class Work> decltype(auto) reportFailuresAs(const char* name, Work&& work) {
    try {
        return std::forward<Work>(work)();
    } catch (const std::exception& e) {
        Obrabotka_isklyucheniya(QString::fromUtf8(name), QString::fromUtf8(e.what()));
    }
}

} // namespace telvo
