#pragma once
// A workbook file that cannot be read or written, in either format (.xls and .xlsx raise their own
// kinds of it). The text is meant for the user; a file that could not be saved also keeps its path
// and the system's reason, so that a window can say it in its own words and language.

#include <stdexcept>
#include <string>

namespace morvessa::sheet {

class WorkbookFileError : public std::runtime_error {
public:
    explicit WorkbookFileError(const std::string& description) : std::runtime_error(description) {}
    WorkbookFileError(const std::string& path, const std::string& reason)
        : std::runtime_error("The file could not be saved: " + path + " (" + reason + ")."), unsavedPath(path),
          reason(reason)
    {
    }
    std::string unsavedPath;  // empty for any other failure
    std::string reason;
};

}  // namespace morvessa::sheet
