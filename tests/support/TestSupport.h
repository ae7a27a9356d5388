#pragma once

#include "app/core/Failure.h"
#include "app/core/Globals.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace telvo::test {

// Thrown by the test terminator in place of ending the process. Not a std::exception, so the
// reporting wrappers of enclosing procedures let it pass.
struct ProgramEnded {
    QString reportText;
};

// Points XDG_DATA_HOME and XDG_RUNTIME_DIR at a fresh temporary folder and replaces the
// program terminator, for the lifetime of the object.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return dir_.path(); }
    // The data folder the program uses under this home.
    QString dataFolder() const;

private:
    QTemporaryDir dir_;
    QByteArray oldDataHome_;
    QByteArray oldRuntime_;
    ProgramTerminator oldTerminator_;
};

// The report text of the failure `work` reported (TempHome's terminator throws it), or the
// empty text when `work` reported none.
template <class Work> QString reportOf(Work&& work) {
    try {
        std::forward<Work>(work)();
    } catch (const ProgramEnded& ended) {
        return ended.reportText;
    }
    return {};
}

// The report text ends with the name of the procedure that failed.
inline ::testing::AssertionResult reportedAs(const QString& reportText, const QString& name) {
    if (reportText.isEmpty())
        return ::testing::AssertionFailure() << "no failure reported";
    const QString tail = QStringLiteral("  ...   в модуле :  ") + name + QStringLiteral("  ...");
    if (reportText.endsWith(tail))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "report: " << reportText.toStdString();
}

// A temporary home with its data folder made and the shared state's paths pointing into it:
// the starting point of every test of procedures on data files.
class DataFolderState {
public:
    DataFolderState();

    // Clears or checks all seven rebuild flags of the shared state.
    void clearRebuildFlags();
    bool allRebuildFlags() const;
    static bool exists(const QString& path);

    TempHome home;
    Globalnye_peremennye_slovarya g;
};

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
// Bytes from a list of small numbers: bytes({1, 0, 0, 0}).
QByteArray bytes(std::initializer_list<int> values);
// Printable hex of a byte array, for readable assertion messages.
std::string hex(const QByteArray& bytes);

// Fixtures lay records out here byte by byte, so that a wrong offset or width in the
// program's own encoders cannot move the expected bytes along with it.

// Windows-1251 bytes of a text of ASCII, Russian letters (А-я at 0xC0-0xFF, Ё 0xA8, ё 0xB8)
// and "№" (0xB9); any other character fails the test.
QByteArray cp1251Literal(QStringView text);
// A short string field of width `maxLen`: length byte, the text cut to `maxLen` bytes, zeros.
QByteArray shortStringLiteral(QStringView text, int maxLen);
// A 176-byte dictionary record: English at 0 (45), transcription at 46 (50), translation at 97
// (60), zero padding at 158, the date at 160 as a little-endian double of days since
// 1899-12-30, the excluded byte at 168, the marked byte at 169, zero padding to 176.
QByteArray dictRecordLiteral(QStringView english, QStringView transcription,
                             QStringView translation, double addedDays, bool excluded = false,
                             bool marked = false);
// Days since 1899-12-30, counted here rather than by the program.
double daysSince18991230(QDate date);
// upragneniy.uprdat: whole flag at 0, start at 4, end at 8, to-end flag at 12, zeros between.
QByteArray rangeRecordLiteral(bool whole, int32_t start, int32_t end, bool toEnd);
// Start.startdat: translation column at 0, forgotten-only at 1, top row at 4, selected row at 8,
// repetitions at 12, zeros between.
QByteArray viewStateLiteral(bool translationColumn, bool forgottenOnly, int32_t topRow,
                            int32_t selectedRow, int32_t repetitions);

} // namespace telvo::test
