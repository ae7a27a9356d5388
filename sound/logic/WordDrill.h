#pragma once

#include <QString>
#include <functional>

namespace telvo {

// The word drill's measures, from the length of the word it flashes.

// 43 pixels a letter and 215 besides, but never narrower than 360 nor wider than 1000.
int drillWindowWidth(int length);

// 900 ms up to 7 letters, then 90 ms a letter: 8 letters flash faster than 7, 10 as fast.
int drillFlashIntervalMs(int length);

// "N [MM:SS]" under the word: the showings so far and the time.
QString drillCounterText(int showings, int minutes, int seconds);

// The three texts the drill works with, fixed when it shows.
struct DrillTexts {
    QString word;          // flashed in large type
    QString transcription; // flashed between the showings of the word
    QString translation;   // the window's caption
    bool operator==(const DrillTexts&) const = default;
};

// Where the drill may take its texts from, as its opener left them.
struct DrillSources {
    // The word the player's listen-all prepared last; when set it is looked up in the table
    // and nothing else counts.
    QString playerWord;
    bool fromTable = false;
    bool fromGroup = false;
    bool fromSigns = false;
    // The main record table: its rows, numbered from 1, and the selected one.
    int tableRows = 0;
    int selectedRow = 0;
    std::function<DrillTexts(int row)> tableRow;
    // The selected row of the groups window.
    QString groupWord;
    QString groupTranslation;
    // The sign selected in the sign reference.
    QString sign;
};

// What the drill shows. The player's word takes the row whose English text is that word
// exactly (the last such row; none leaves all three empty); otherwise the table's selected
// row, the group row and the sign, each named source overriding the one before. A group has
// no transcription, so its word is flashed twice; a sign is word, transcription and caption.
DrillTexts captureDrillTexts(const DrillSources& sources);

// The drill while it runs: every flash shows the transcription or the word in turn, the
// transcription first; each showing of the word counts, and a stopwatch runs beside it.
// Stopping halts both; the window's timers follow running().
class WordDrill {
public:
    explicit WordDrill(DrillTexts texts = {});

    const DrillTexts& texts() const { return texts_; }
    int length() const { return int(texts_.word.size()); }
    int windowWidth() const { return drillWindowWidth(length()); }
    int flashIntervalMs() const { return drillFlashIntervalMs(length()); }

    // What the two labels show now: one of them is empty, both before the first flash.
    const QString& transcriptionShown() const { return transcriptionShown_; }
    const QString& wordShown() const { return wordShown_; }
    int showings() const { return showings_; }
    int minutes() const { return minutes_; }
    int seconds() const { return seconds_; }
    QString counterText() const { return drillCounterText(showings_, minutes_, seconds_); }

    bool running() const { return running_; }
    // Stop, or go on.
    void toggleRunning() { running_ = !running_; }

    void flashTick();
    // One second more; an hour starts again from zero.
    void stopwatchTick();

private:
    DrillTexts texts_;
    QString transcriptionShown_;
    QString wordShown_;
    bool transcriptionNext_ = true;
    int showings_ = 0;
    int minutes_ = 0;
    int seconds_ = 0;
    bool running_ = true;
};

} // namespace telvo
