// The usage examples' rich-text reader. Whatever bytes it gets, it returns a document without
// reading past the input (an exact-size copy makes AddressSanitizer see it), never holds more
// characters than the input has bytes, and what it read writes and reads back the same.

#include "fuzz/FuzzSupport.h"
#include "tools/logic/RichText.h"

using namespace telvo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<char> input = fuzz::exactCopy(data, size, size);
    rtf::Document d = rtf::read(QByteArrayView(input.data(), qsizetype(input.size())));

    qsizetype characters = 0;
    for (const rtf::Paragraph& p : d.paragraphs) {
        for (const rtf::Run& r : p.runs) {
            FUZZ_CHECK(!r.text.isEmpty());
            characters += r.text.size();
        }
    }
    FUZZ_CHECK(characters <= qsizetype(size));
    FUZZ_CHECK(d.paragraphs.size() <= size + 1);

    d.plainText = false;
    d.unshownContent = false;
    const QByteArray written = rtf::write(d);
    for (char c : written)
        FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);
    const rtf::Document again = rtf::read(written);
    FUZZ_CHECK(again == d);
    return 0;
}
