#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

namespace telvo {

// The main window's status panes that other windows write, in their order on the status bar.
enum class StatusPane {
    Records,
    RemainderEnglish,     // English words not shown yet
    RemainderRussian,     // Russian words not shown yet
    RemainderFromEnglish, // translations from English left
    RemainderFromRussian, // translations from Russian left
    UnmatchedPairs,
    Forgotten,
    ChangeDate,
};

// The main window's commands that other subsystems carry out.
enum class MainCommand {
    ChangeRange,
    ResetHistories,
    EnglishWords,
    RussianWords,
    TranslationsFromEnglish,
    TranslationFromRussian,
    PairMatching,
    FindTranslation,
    UsageExample,
    ShowTranscription,
    Groups,
    Idioms,
    Player,
    SoundFolder,
    TranscriptionSigns,
    Notepad,
    Archive,
    Restore,
    ImportWords,
    ExportWords,
    Manual,
    DownloadDictionary,
    About,
};

// The English, transcription and translation cells of a record table row, as the table shows
// them (the transcription in its brackets).
struct RowWords {
    QString english;
    QString transcription;
    QString translation;
};

// What other windows may ask of the main window. Rows are the record table's 1-based rows
// (row 1 shows the newest record). Windows hold this interface, never the main window's class
// or its controls.
class MainWindow {
public:
    virtual ~MainWindow() = default;

    // The window itself, as the owner of dialogs opened on its behalf.
    virtual QWidget* widget() = 0;

    // The text of the word label above the table.
    virtual QString wordLabelText() const = 0;
    // Shows `text` in a status pane as it is (an empty text empties the pane).
    virtual void setStatusPane(StatusPane pane, const QString& text) = 0;
    // The pane is refilled from `procedure` whenever the status bar is refilled.
    virtual void setStatusPaneProcedure(StatusPane pane, std::function<QString()> procedure) = 0;

    // Rebuilds the record table from the files, refills the status bar, redraws the caption.
    virtual void refreshTable() = 0;
    virtual void refreshStatusBar() = 0;
    virtual void refreshCaption() = 0;

    virtual int selectedRow() const = 0;
    // The rows of the record table (1 for the empty row of an empty table) and their cells.
    virtual int rowCount() const = 0;
    virtual RowWords rowWords(int row) const = 0;
    // The record number shown in the selected row; 0 when the table is empty.
    virtual int32_t selectedRecord() const = 0;
    // Selects `row` in the English column and shows it in the word label; `topRow` > 0 also
    // makes that row the top visible row.
    virtual void selectRow(int row, int topRow = 0) = 0;
    // Selects the first record whose English text is `word`, or says it was not found.
    virtual void selectEnglishWord(const QString& word) = 0;
    // Puts the current cell back into the English column of the selected row.
    virtual void selectEnglishColumn() = 0;
    // Shows the English word of `row` in the word label.
    virtual void showWordOfRow(int row) = 0;
    // One more right answer on the repetitions button.
    virtual void increaseRepetitions() = 0;

    // Writes the view state (Start.startdat) now, as closing does: an archive then holds it.
    virtual void saveViewState() = 0;
    // Reads everything again from the data folder, as the first showing does, and marks every
    // exercise table for a rebuild: after a restore the folder holds other files.
    virtual void reloadFromDataFolder() = 0;

    // Connects `command` to the main window's action and enables it. A command the window
    // does not have is a programming error and throws std::logic_error.
    virtual void installCommand(MainCommand command, std::function<void()> run) = 0;
};

} // namespace telvo
