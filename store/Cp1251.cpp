#include "store/Cp1251.h"

#include <array>

namespace telvo {

namespace {

// Unicode of bytes 0x80..0xFF. 0x98 has no character in the code page; it maps to U+0098 so
// that every byte survives a round trip.
constexpr std::array<char16_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

struct ReverseTable {
    // Indexed by the Unicode value; 0 means "no Windows-1251 form".
    std::array<unsigned char, 0x2200> bytes{};
    constexpr ReverseTable() {
        for (int i = 0; i < 128; ++i)
            bytes[kHigh[i]] = static_cast<unsigned char>(0x80 + i);
    }
};

constexpr ReverseTable kReverse;

struct FoldTable {
    std::array<unsigned char, 256> lower{};
    constexpr FoldTable() {
        for (int b = 0; b < 256; ++b)
            lower[b] = static_cast<unsigned char>(b);
        for (int b = 'A'; b <= 'Z'; ++b)
            lower[b] = static_cast<unsigned char>(b + 32);
        for (int b = 0xC0; b <= 0xDF; ++b)
            lower[b] = static_cast<unsigned char>(b + 32);
        // Capital letters outside the alphabet block and their small forms.
        constexpr std::pair<int, int> pairs[] = {
            {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
            {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
            {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
        for (auto [upper, small] : pairs)
            lower[upper] = static_cast<unsigned char>(small);
    }
};

constexpr FoldTable kFold;

} // namespace

QChar fromCp1251(unsigned char byte) {
    return byte < 0x80 ? QChar(byte) : QChar(kHigh[byte - 0x80]);
}

QString fromCp1251(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (char c : bytes)
        *dst++ = fromCp1251(static_cast<unsigned char>(c));
    return out;
}

unsigned char toCp1251(QChar ch) {
    const char16_t u = ch.unicode();
    if (u < 0x80)
        return static_cast<unsigned char>(u);
    if (u < kReverse.bytes.size() && kReverse.bytes[u] != 0)
        return kReverse.bytes[u];
    return '?';
}

QByteArray toCp1251(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        // A character outside the basic plane is one character, so one '?'.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        out.append(static_cast<char>(toCp1251(ch)));
    }
    return out;
}

QStringList charactersWithoutCp1251(QStringView text) {
    QStringList found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const bool pair =
            ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        // '?' itself is a character of the code page; anything else that becomes '?' is lost.
        if (!pair && (ch == u'?' || toCp1251(ch) != '?'))
            continue;
        const QString character = text.mid(i, pair ? 2 : 1).toString();
        if (pair)
            ++i;
        if (!found.contains(character))
            found << character;
    }
    return found;
}

unsigned char foldCp1251(unsigned char byte) {
    return kFold.lower[byte];
}

} // namespace telvo
