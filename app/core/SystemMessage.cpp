#include "app/core/SystemMessage.h"

#include <cstdio>
#include <utility>

namespace telvo {

namespace {

SystemMessageSink& sink() {
    static SystemMessageSink current = [](const QString& text) {
        std::fputs(text.toLocal8Bit().constData(), stderr);
        std::fputc('\n', stderr);
    };
    return current;
}

} // namespace

void showSystemMessage(const QString& text) {
    if (sink())
        sink()(text);
}

SystemMessageSink setSystemMessageSink(SystemMessageSink next) {
    return std::exchange(sink(), std::move(next));
}

} // namespace telvo
