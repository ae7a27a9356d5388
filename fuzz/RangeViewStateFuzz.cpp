// The range and view-state records from any 16 bytes, and the check of a stored range against
// a dictionary of any size: the range the program then works with always lies inside the
// dictionary, a correction is flagged exactly when the numbers changed, and a range that
// could stand is left as it was.

#include "fuzz/FuzzSupport.h"
#include "store/Range.h"
#include "store/Records.h"
#include "store/ViewState.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <limits>

using namespace telvo;

namespace {

void rangeRecord(const std::vector<char>& stored, int32_t count) {
    const RangeRecord r = RangeRecord::decode(stored.data());
    const QByteArray e = r.encode();
    FUZZ_CHECK(e.size() == 16);
    FUZZ_CHECK(e[0] == (stored[0] != 0 ? 1 : 0));
    FUZZ_CHECK(std::memcmp(e.constData() + 4, stored.data() + 4, 8) == 0);
    FUZZ_CHECK(e[12] == (stored[12] != 0 ? 1 : 0));
    for (int i : {1, 2, 3, 13, 14, 15})
        FUZZ_CHECK(e[i] == 0);

    const CheckedRange c = checkStoredRange(r, count);
    const RangeRecord& w = c.range;
    FUZZ_CHECK(w.Nachalo_diapazona == 1 || !w.Vse_slova_slovarya);
    if (w.Vse_slova_slovarya) {
        FUZZ_CHECK(w.Nachalo_diapazona == 1 && w.Konets_diapazona == count);
    } else {
        FUZZ_CHECK(1 <= w.Nachalo_diapazona);
        FUZZ_CHECK(w.Nachalo_diapazona <= w.Konets_diapazona);
        FUZZ_CHECK(w.Konets_diapazona <= count);
    }
    FUZZ_CHECK(rangeSize(w.Nachalo_diapazona, w.Konets_diapazona) <= std::max(count, 0));

    const bool couldStand = r.Vse_slova_slovarya || (1 <= r.Nachalo_diapazona &&
                                                     r.Nachalo_diapazona <= r.Konets_diapazona &&
                                                     r.Konets_diapazona <= count);
    FUZZ_CHECK(c.corrected == !couldStand);
    if (couldStand) {
        FUZZ_CHECK(!c.historiesStale);
        FUZZ_CHECK(w.Vse_slova_slovarya == r.Vse_slova_slovarya && w.Do_kontsa == r.Do_kontsa);
        if (!r.Vse_slova_slovarya)
            FUZZ_CHECK(w.Nachalo_diapazona == r.Nachalo_diapazona &&
                       w.Konets_diapazona == r.Konets_diapazona);
    } else if (!c.historiesStale) {
        // Only the end was cut: the start, and so every history byte's record, stays.
        FUZZ_CHECK(!w.Vse_slova_slovarya && w.Nachalo_diapazona == r.Nachalo_diapazona);
        FUZZ_CHECK(w.Konets_diapazona == count && r.Konets_diapazona > count);
    } else {
        FUZZ_CHECK(w.Vse_slova_slovarya && !w.Do_kontsa);
    }

    // The size never overflows and matches the arithmetic in 64 bits.
    const int64_t wide = int64_t(r.Konets_diapazona) - r.Nachalo_diapazona + 1;
    const int32_t size = rangeSize(r.Nachalo_diapazona, r.Konets_diapazona);
    FUZZ_CHECK(size == std::clamp<int64_t>(wide, 0, std::numeric_limits<int32_t>::max()));
}

void viewState(const std::vector<char>& stored, const QByteArray& file) {
    const ViewStateRecord v = ViewStateRecord::decode(stored.data());
    const QByteArray e = v.encode();
    FUZZ_CHECK(e.size() == 16);
    FUZZ_CHECK(e[0] == (stored[0] != 0 ? 1 : 0));
    FUZZ_CHECK(e[1] == (stored[1] != 0 ? 1 : 0));
    FUZZ_CHECK(e[2] == 0 && e[3] == 0);
    FUZZ_CHECK(std::memcmp(e.constData() + 4, stored.data() + 4, 12) == 0);

    // The file reader takes the first record of a file that holds one, and nothing else.
    const QString path = fuzz::scratchFolder() + QStringLiteral("/Start.startdat");
    fuzz::writeBytes(path, file);
    const std::optional<ViewStateRecord> read = readViewState(path);
    FUZZ_CHECK(read.has_value() == (file.size() >= 16));
    if (read) {
        const ViewStateRecord first = ViewStateRecord::decode(file.constData());
        FUZZ_CHECK(read->encode() == first.encode());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<char> stored = fuzz::exactCopy(data, size, 16);
    FuzzedDataProvider in(data, size);
    // Any count the dictionary can have, the empty one and the largest included.
    const int32_t count =
        in.ConsumeIntegralInRange<int32_t>(0, std::numeric_limits<int32_t>::max());
    rangeRecord(stored, count);
    viewState(stored, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
