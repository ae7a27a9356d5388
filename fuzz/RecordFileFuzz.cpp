// A whole file of arbitrary bytes read as records of a fuzzed size: counts, whole reads and
// ranged reads give exactly the stored bytes, never more, and reading past the end is a
// failure rather than a short or overlong result. The one-byte files (histories, forgotten
// marks) are read padded to a fuzzed size.

#include "app/core/Failure.h"
#include "fuzz/FuzzSupport.h"
#include "store/ByteFile.h"
#include "store/RecordFile.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace telvo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int recordSize = in.ConsumeIntegralInRange<int>(1, 1257);
    const int32_t index = in.ConsumeIntegral<int32_t>();
    const int32_t n = in.ConsumeIntegral<int32_t>();
    const int32_t padded = in.ConsumeIntegralInRange<int32_t>(-8, 70000);
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QByteArray content(rest.data(), qsizetype(rest.size()));

    const QString path = fuzz::scratchFolder() + QStringLiteral("/Vocabulary.dictdat");
    fuzz::writeBytes(path, content);
    const RecordFile file(path, recordSize);

    const qint64 whole = content.size() / recordSize;
    FUZZ_CHECK(file.count() == whole);
    FUZZ_CHECK(file.readAll() == content.first(whole * recordSize));

    const QByteArray upTo = file.readUpTo(index, n);
    const bool inside = index >= 0 && n > 0 && index < whole;
    const qint64 expected = inside ? std::min<qint64>(n, whole - index) : 0;
    FUZZ_CHECK(upTo.size() == expected * recordSize);
    if (inside)
        FUZZ_CHECK(upTo == content.sliced(qint64(index) * recordSize, upTo.size()));

    bool failed = false;
    QByteArray exact;
    try {
        exact = file.read(index, n);
    } catch (const Failure&) {
        failed = true;
    }
    FUZZ_CHECK(failed == !(inside && expected == n));
    if (!failed)
        FUZZ_CHECK(exact == upTo);

    const QByteArray bytes = readAlignedBytes(path, padded);
    FUZZ_CHECK(bytes.size() == std::max(padded, 0));
    const qsizetype kept = std::min<qsizetype>(bytes.size(), content.size());
    FUZZ_CHECK(bytes.first(kept) == content.first(kept));
    for (qsizetype i = kept; i < bytes.size(); ++i)
        FUZZ_CHECK(bytes[i] == 0);
    return 0;
}
