// The 176-byte dictionary record: any bytes decode, and what was decoded is stored back the
// same way (texts cut to their widths, flags as 0/1, the date bit for bit).

#include "fuzz/FuzzSupport.h"
#include "store/Binary.h"
#include "store/Cp1251.h"
#include "store/Records.h"

#include <cmath>
#include <cstring>

using namespace telvo;

namespace {

void checkText(const char* stored, const char* encoded, int maxLen, const QString& text) {
    const int len = std::min<int>(static_cast<unsigned char>(stored[0]), maxLen);
    FUZZ_CHECK(text.size() == len);
    FUZZ_CHECK(static_cast<unsigned char>(encoded[0]) == len);
    FUZZ_CHECK(std::memcmp(encoded + 1, stored + 1, size_t(len)) == 0);
    for (int i = len + 1; i <= maxLen; ++i)
        FUZZ_CHECK(encoded[i] == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<char> stored = fuzz::exactCopy(data, size, DictRecord::kSize);
    const DictRecord r = DictRecord::decode(stored.data());
    const QByteArray encoded = r.encode();
    FUZZ_CHECK(encoded.size() == DictRecord::kSize);
    const char* s = stored.data();
    const char* e = encoded.constData();
    checkText(s + DictRecord::kEnglishOffset, e + DictRecord::kEnglishOffset,
              DictRecord::kEnglishMax, r.Angliyskoe_slovo);
    checkText(s + DictRecord::kTranscriptionOffset, e + DictRecord::kTranscriptionOffset,
              DictRecord::kTranscriptionMax, r.Transkriptsiya);
    checkText(s + DictRecord::kTranslationOffset, e + DictRecord::kTranslationOffset,
              DictRecord::kTranslationMax, r.Perevod);
    FUZZ_CHECK(std::memcmp(e + DictRecord::kDateOffset, s + DictRecord::kDateOffset, 8) == 0);
    FUZZ_CHECK(e[DictRecord::kExcludedOffset] == (s[DictRecord::kExcludedOffset] != 0 ? 1 : 0));
    FUZZ_CHECK(e[DictRecord::kMarkedOffset] == (s[DictRecord::kMarkedOffset] != 0 ? 1 : 0));
    // Padding is written as zeros.
    for (int i : {158, 159, 170, 171, 172, 173, 174, 175})
        FUZZ_CHECK(e[i] == 0);

    // Decoding what was stored gives the same record again.
    const DictRecord again = DictRecord::decode(e);
    FUZZ_CHECK(again.Angliyskoe_slovo == r.Angliyskoe_slovo);
    FUZZ_CHECK(again.Transkriptsiya == r.Transkriptsiya);
    FUZZ_CHECK(again.Perevod == r.Perevod);
    FUZZ_CHECK(again.Zapreshcheno_k_pokazu == r.Zapreshcheno_k_pokazu);
    FUZZ_CHECK(again.Otmecheno == r.Otmecheno);
    FUZZ_CHECK(std::memcmp(&again.Data_dobavleniya, &r.Data_dobavleniya, sizeof(double)) == 0);

    // Any stored date either gives a day or none, never a failure.
    const QDate day = fromDelphiDate(r.Data_dobavleniya);
    if (day.isValid())
        FUZZ_CHECK(std::abs(toDelphiDate(day) - std::floor(r.Data_dobavleniya)) < 0.5);
    return 0;
}
