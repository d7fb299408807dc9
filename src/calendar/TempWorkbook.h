#pragma once
// The temporary workbook of one generation: "tqmrex" + eight digits 1..9 + ".xls" in the run's
// private folder, created exclusively (mode 0600) so that no existing file (or one another process
// creates at the same moment) is ever overwritten or followed.

#include <string>

namespace morvessa {

inline constexpr const char* kTempWorkbookPrefix = "tqmrex";
inline constexpr int kTempWorkbookDigits = 8;

// A fresh file name (no folder): the prefix, eight digits 1..9 from the system's random source,
// ".xls".
std::string RandomTempWorkbookName();

// The full path of a name in a folder (the run folder).
std::string TempWorkbookPathIn(const std::string& folder, const std::string& name);

// Whether a file name has the form of a temporary workbook's.
bool IsTempWorkbookName(const std::string& name);

enum class ExclusiveCreate { Created, AlreadyExists };

// Creates an empty file at path, mode 0600, failing if anything (a file, a link, a folder) is there
// already. Any other failure (missing or unwritable folder) throws std::runtime_error naming the path.
ExclusiveCreate CreateFileExclusively(const std::string& path);

// Earlier builds kept the temporary workbook directly in TEMP, where a crash left it for ever.
// Removes such workbooks of this user that are older than a day (so the preview of a copy of an
// earlier build still running is spared). Returns how many. Never throws.
inline constexpr long kAbandonedTempWorkbookSeconds = 24L * 60 * 60;
int RemoveAbandonedTempWorkbooks(const std::string& folder);

}  // namespace morvessa
