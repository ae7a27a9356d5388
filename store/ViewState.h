#pragma once

#include "store/Records.h"

#include <QString>
#include <optional>

namespace telvo {

// The remembered view of a window (Start.startdat and the files of the same layout). It only
// spares the user some clicks, so a file that cannot serve is as good as none.

// Empty when the file is missing, is not a regular file (a folder in its place), cannot be
// read, or is too short to hold the record; the window then starts with its defaults.
std::optional<ViewStateRecord> readViewState(const QString& path);

// Replaces the file with `state` through its `_new` companion. Nothing is written when
// something other than a regular file stands in its place. Throws telvo::Failure.
void writeViewState(const QString& path, const ViewStateRecord& state);

} // namespace telvo
