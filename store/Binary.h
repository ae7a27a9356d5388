#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>

namespace telvo {

// Explicit little-endian byte code for the fields of the data files.

int32_t getI32(const char* p);
void putI32(char* p, int32_t value);
double getF64(const char* p);
void putF64(char* p, double value);
inline bool getBool(const char* p) {
    return *p != 0;
}
inline void putBool(char* p, bool value) {
    *p = value ? 1 : 0;
}

// Short string: a length byte and at most maxLen Windows-1251 bytes in maxLen + 1 bytes.
// A length byte above maxLen (a damaged record) is read as maxLen.
QString getShortString(const char* p, int maxLen);
// Stores the text cut to maxLen bytes; unused bytes are written as zeros.
void putShortString(char* p, int maxLen, QStringView text);
// The stored bytes of a short string, without decoding.
QByteArrayView shortStringBytes(const char* p, int maxLen);

// Dates as days since 1899-12-30.
double toDelphiDate(QDate date);
QDate fromDelphiDate(double days);

} // namespace telvo
