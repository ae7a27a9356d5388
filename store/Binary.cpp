#include "store/Binary.h"

#include "store/Cp1251.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace telvo {

namespace {
const QDate kDelphiEpoch(1899, 12, 30);
}

int32_t getI32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                uint32_t(b[3]) << 24);
}

void putI32(char* p, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

double getF64(const char* p) {
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(p[i]);
    return std::bit_cast<double>(v);
}

void putF64(char* p, double value) {
    const auto v = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

QByteArrayView shortStringBytes(const char* p, int maxLen) {
    const int len = std::min<int>(static_cast<unsigned char>(p[0]), maxLen);
    return QByteArrayView(p + 1, len);
}

QString getShortString(const char* p, int maxLen) {
    return fromCp1251(shortStringBytes(p, maxLen));
}

void putShortString(char* p, int maxLen, QStringView text) {
    const QByteArray bytes = toCp1251(text).left(maxLen);
    std::memset(p, 0, static_cast<size_t>(maxLen) + 1);
    p[0] = static_cast<char>(bytes.size());
    std::memcpy(p + 1, bytes.constData(), static_cast<size_t>(bytes.size()));
}

double toDelphiDate(QDate date) {
    return static_cast<double>(kDelphiEpoch.daysTo(date));
}

QDate fromDelphiDate(double days) {
    if (!std::isfinite(days) || std::fabs(days) > 3e6)
        return {};
    return kDelphiEpoch.addDays(static_cast<qint64>(std::floor(days)));
}

} // namespace telvo
