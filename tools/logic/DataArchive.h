#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace telvo::tools {

// The archive's file name, the same on every system so archives move between them.
inline constexpr char kArchiveFileName[] = "Telvo_Vocabulary_02.zip";
// Entry names start with this; extracting them under a drive root puts every file back.
inline constexpr char kEntryPrefix[] = "ProgramData/Telvo_Lab/Telvo_Vocabulary_02/";
// A restore takes the entries whose path contains this, wherever the archive put it.
inline constexpr char kEntryMarker[] = "Telvo_Lab/Telvo_Vocabulary_02/";

// Asked between steps; true stops the job, which then leaves nothing behind.
using CancelCheck = std::function<bool()>;

enum class ArchiveStatus {
    Archived,     // the archive is complete at `archivePath`
    NoDataFolder, // nothing to archive; nothing written
    WriteFailed,  // the folder refused the archive (read-only, full, gone); any old archive kept
    Cancelled,    // stopped on request; any old archive kept
};

struct ArchiveResult {
    ArchiveStatus status = ArchiveStatus::WriteFailed;
    QString archivePath; // the archive's full name (also when it was not written)
    QString detail;      // what went wrong, for a log; never shown as the user's text
};

// Writes every regular file below `dataFolder` (subfolders and dot-files included, symbolic
// links skipped) into `<targetFolder>/Telvo_Vocabulary_02.zip`. The archive is written under a
// temporary name in `targetFolder`, flushed to the disk and only then renamed over an old
// archive, so a failure at any point keeps the last good archive and leaves no partial file.
ArchiveResult archiveDataFolder(const QString& dataFolder, const QString& targetFolder,
                                const CancelCheck& cancelled = {});

// What a restore accepts at most, so a hostile archive cannot fill the disk.
struct RestoreLimits {
    std::int64_t maxEntries = 65535;
    std::int64_t maxTotalBytes = std::int64_t{1} << 30; // uncompressed, all entries together
};

enum class RestoreStatus {
    Restored,     // the data folder now holds the archive's files
    Unreadable,   // not a ZIP archive, truncated, or a damaged entry
    Refused,      // an entry that would write outside the data folder, a link, a duplicate
    TooLarge,     // more entries or bytes than the limits allow
    NoDictionary, // a readable archive without a dictionary in the data folder's place
    WriteFailed,  // the staging folder could not be written or swapped in
    Cancelled,
};

struct RestoreResult {
    RestoreStatus status = RestoreStatus::Unreadable;
    QString detail;
};

// Staging folder a restore extracts into, and the saved copy of the data folder during the
// swap; both lie beside the data folder, on the same filesystem, so the swap is two renames.
QString restoreStagingFolder(const QString& dataFolder);
QString restoreSavedFolder(const QString& dataFolder);

// Puts back what an interrupted restore left: a saved copy with no data folder becomes the data
// folder again; a staging folder is removed; a saved copy beside a data folder (which of the two
// is the newer cannot be told) is kept under a dated name, never deleted. Safe to call at start.
void recoverInterruptedRestore(const QString& dataFolder);

// Replaces `dataFolder` by the data-folder entries of `archivePath`. Everything is extracted
// into a fresh staging folder and checked first; the current data is touched only when the
// whole archive was good, and then by renames. On any failure the data folder is as it was.
// Leftovers of an interrupted earlier restore are put back (a saved copy with no data folder)
// or removed first. After a restore the data folder is another folder: whoever holds the
// single-instance lock on it takes the lock again.
RestoreResult restoreDataFolder(const QString& archivePath, const QString& dataFolder,
                                const RestoreLimits& limits = {},
                                const CancelCheck& cancelled = {});

} // namespace telvo::tools
