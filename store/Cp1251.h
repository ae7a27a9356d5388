#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace telvo {

// Windows-1251, the code page of every text in the data files, whatever the locale.
QChar fromCp1251(unsigned char byte);
QString fromCp1251(QByteArrayView bytes);

// Characters with no Windows-1251 form become '?'.
unsigned char toCp1251(QChar ch);
QByteArray toCp1251(QStringView text);

// The characters of `text` that have no Windows-1251 form, each once, in the order they first
// appear; a character outside the basic plane is one entry (its surrogate pair).
QStringList charactersWithoutCp1251(QStringView text);

// Case folding of one Windows-1251 byte: Latin and Cyrillic capitals to small letters.
unsigned char foldCp1251(unsigned char byte);

} // namespace telvo
