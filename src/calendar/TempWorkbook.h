#pragma once
// The temporary workbook of one generation: "tqmrex" + eight digits 1..9 + ".xls" in the temporary
// folder, created exclusively so that no existing file (or one another process creates at the same
// moment) is ever overwritten or followed.

#include <string>

namespace morvessa {

inline constexpr const char* kTempWorkbookPrefix = "tqmrex";
inline constexpr int kTempWorkbookDigits = 8;

// A fresh file name (no folder): the prefix, eight digits 1..9 from the system's random source,
// ".xls".
std::string RandomTempWorkbookName();

// The full path of a name in the temporary folder.
std::string TempWorkbookPathFor(const std::string& name);

enum class ExclusiveCreate { Created, AlreadyExists };

// Creates an empty file at path, failing if anything (a file, a link, a folder) is there already.
// Any other failure (missing or unwritable folder) throws std::runtime_error naming the path.
ExclusiveCreate CreateFileExclusively(const std::string& path);

}  // namespace morvessa
