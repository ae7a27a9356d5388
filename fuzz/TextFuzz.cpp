// Windows-1251 both ways and the short strings of the records. Every byte value has a
// character and comes back unchanged; every character either has its byte or becomes '?';
// a short string never yields more than its width nor reads past its field.

#include "fuzz/FuzzSupport.h"
#include "store/Binary.h"
#include "store/Cp1251.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <iterator>

using namespace telvo;

namespace {

// The widths of every short string the data files hold.
constexpr int kWidths[] = {45, 50, 60, 33, 66, 65, 120};

void bytesRoundTrip(const QByteArray& bytes) {
    const QString text = fromCp1251(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(toCp1251(text) == bytes);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        FUZZ_CHECK(fromCp1251(b) == text[i]);
        FUZZ_CHECK(toCp1251(text[i]) == b);
        // Folding is idempotent and keeps letters letters of the same script.
        const unsigned char folded = foldCp1251(b);
        FUZZ_CHECK(foldCp1251(folded) == folded);
        FUZZ_CHECK((b < 0x80) == (folded < 0x80));
    }
}

void textToBytes(const QString& text) {
    const QByteArray bytes = toCp1251(text);
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++characters)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    FUZZ_CHECK(bytes.size() == characters);
    // Each byte is the character's own or '?'.
    const QString back = fromCp1251(bytes);
    qsizetype at = 0;
    for (qsizetype i = 0; i < back.size(); ++i, ++at) {
        const QChar original = text[at];
        FUZZ_CHECK(back[i] == original || back[i] == QLatin1Char('?'));
        if (original.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
            ++at;
    }
}

void shortString(const std::vector<char>& field, int width, const QString& text) {
    // Reading: at most `width` characters, exactly the stored bytes.
    const QString read = getShortString(field.data(), width);
    const QByteArrayView stored = shortStringBytes(field.data(), width);
    FUZZ_CHECK(read.size() <= width);
    FUZZ_CHECK(stored.size() == std::min<int>(static_cast<unsigned char>(field[0]), width));
    FUZZ_CHECK(stored.data() == field.data() + 1);
    FUZZ_CHECK(toCp1251(read) == stored);

    // Writing: the text cut to the width in bytes, the rest of the field zeros, nothing
    // written beyond it (the buffer is exactly the field).
    std::vector<char> out(size_t(width) + 1, '\x5A');
    putShortString(out.data(), width, text);
    const QByteArray expected = toCp1251(text).left(width);
    FUZZ_CHECK(static_cast<unsigned char>(out[0]) == expected.size());
    FUZZ_CHECK(QByteArrayView(out.data() + 1, expected.size()) == expected);
    for (size_t i = size_t(expected.size()) + 1; i < out.size(); ++i)
        FUZZ_CHECK(out[i] == 0);
    FUZZ_CHECK(getShortString(out.data(), width) == fromCp1251(expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int width = kWidths[in.ConsumeIntegralInRange<size_t>(0, std::size(kWidths) - 1)];
    const std::vector<char> field =
        fuzz::exactCopy(data, size, size_t(width) + 1); // the field as stored, from the input
    const std::string raw = in.ConsumeRemainingBytesAsString();
    const QByteArray bytes(raw.data(), qsizetype(raw.size()));

    bytesRoundTrip(bytes);
    // The same bytes read as UTF-16: any code unit, lone surrogates included.
    QString text(qsizetype(raw.size() / 2), Qt::Uninitialized);
    std::memcpy(text.data(), raw.data(), size_t(text.size()) * sizeof(QChar));
    textToBytes(text);
    shortString(field, width, text);
    shortString(field, width, fromCp1251(bytes));
    return 0;
}
