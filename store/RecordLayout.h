#pragma once

namespace telvo {

// Where the fields of one fixed-size record lie, so that the code that reads, shows, searches
// and marks records serves the dictionary and the idiom file alike. Offsets of the short
// strings point at their length byte; `...Max` is the number of characters they hold.
struct RecordLayout {
    int size;
    int textOffset; // the English word, or the idiom
    int textMax;
    int translationOffset;
    int translationMax;
    int dateOffset;
    int excludedOffset;
    int markedOffset;
    // The forgotten byte inside the record; -1 when it is kept in a file of its own.
    int forgottenOffset;
    // The transcription, which only words have; -1 when there is none.
    int transcriptionOffset = -1;
    int transcriptionMax = 0;

    bool forgottenInRecord() const { return forgottenOffset >= 0; }
    bool hasTranscription() const { return transcriptionOffset >= 0; }
};

// Vocabulary.dictdat: 176 bytes, packed; forgotten words live in Stat_forget.dictstat.
inline constexpr RecordLayout kWordLayout{176, 0, 45, 97, 60, 160, 168, 169, -1, 46, 50};

} // namespace telvo
