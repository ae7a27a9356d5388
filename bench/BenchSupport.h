#pragma once

// What every benchmark program needs: a median time and a file written without the program's
// own file layer (the set-up must not be what is measured).

#include "platform/Files.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace telvo::bench {

// Median time of `work` in milliseconds; `prepare` runs untimed before each repetition.
inline double timeMs(int repetitions, const std::function<void()>& work,
                     const std::function<void()>& prepare = {}) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        if (prepare)
            prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

inline void writeWhole(const QString& path, const QByteArray& content) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// writeWhole, and on the disk before it returns: a set-up that a timed step rewrites would
// otherwise have the step's sync flush the set-up's own writes, which a user's file, written
// long before, does not cost.
inline void writeSettled(const QString& path, const QByteArray& content) {
    writeWhole(path, content);
    platform::OutputFile f;
    if (f.open(path, platform::OutputFile::Mode::Change) != 0 || f.sync() != 0 || f.close() != 0) {
        std::fprintf(stderr, "cannot sync %s\n", qPrintable(path));
        std::exit(1);
    }
}

} // namespace telvo::bench
