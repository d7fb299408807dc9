#pragma once
// Every number in a file is written and read with "." and no grouping, whatever the user's locale.
// The toolkit sets the process's C locale from the environment when it starts, and the printf
// family, strtod and the libraries that use them (the .xlsx writer, the iCalendar library) then
// write "12,75" under a German or French locale. Both programs put numbers back to C once at
// start-up; the library calls also hold a CNumbersInScope so they stay right for any caller.

#include <clocale>

namespace morvessa::sheet::io {

// Numbers in the C form process-wide; the locale's other categories (text, collation) stay.
// Call once after the application object is made: the toolkit sets the locale in its constructor.
void UseCNumbersEverywhere();

// Numbers in the C form for this thread while the object lives; the thread's earlier locale comes
// back afterwards. Cheap enough to hold around each library call that writes or reads a file.
class CNumbersInScope {
public:
    CNumbersInScope();
    ~CNumbersInScope();
    CNumbersInScope(const CNumbersInScope&) = delete;
    CNumbersInScope& operator=(const CNumbersInScope&) = delete;

private:
    locale_t previous_ = nullptr;
    locale_t numbers_ = nullptr;
};

}  // namespace morvessa::sheet::io
