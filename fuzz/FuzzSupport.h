#pragma once

// What every fuzz target shares: a check that stops the run with the property that failed, and
// a scratch folder that lives as long as the process.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace telvo::fuzz {

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

inline const QString& scratchFolder() {
    static QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

// An exact-size heap copy of `size` bytes of `data`, zero-padded: a decoder that reads one byte
// too far reads past the end of the block, which AddressSanitizer reports (a QByteArray would
// hide it behind its terminating zero).
inline std::vector<char> exactCopy(const uint8_t* data, size_t available, size_t size) {
    std::vector<char> out(size, '\0');
    if (size > 0) // an empty vector may have no block at all
        std::memcpy(out.data(), data, std::min(available, size));
    return out;
}

} // namespace telvo::fuzz
