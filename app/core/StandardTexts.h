#pragma once

// Texts that several windows and procedures show alike.

namespace telvo {

inline constexpr const char* kNoRecords = "В словаре еще нет записей ...";

} // namespace telvo
