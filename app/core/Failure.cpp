#include "app/core/Failure.h"

#include <cstdio>
#include <cstdlib>

namespace telvo {

namespace {

[[noreturn]] void printAndExit(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::_Exit(1);
}

ProgramTerminator& terminator() {
    static ProgramTerminator current = printAndExit;
    return current;
}

} // namespace

QString failureReportText(const QString& failureText, const QString& name) {
    return QStringLiteral("Исключение :   ") + failureText +
           QStringLiteral("  ...   в модуле :  ") + name + QStringLiteral("  ...");
}

ProgramTerminator setProgramTerminator(ProgramTerminator next) {
    return std::exchange(terminator(), std::move(next));
}

void Obrabotka_isklyucheniya(const QString& name, const QString& failureText) {
    const QString text = failureReportText(failureText, name);
    if (terminator())
        terminator()(text);
    // A terminator that returns would let a failed procedure carry on: end here instead.
    printAndExit(text);
}

} // namespace telvo
