#include "spreadsheet/io/CNumbers.h"

#include <locale.h>

namespace morvessa::sheet::io {

void UseCNumbersEverywhere()
{
    std::setlocale(LC_NUMERIC, "C");
}

CNumbersInScope::CNumbersInScope()
{
    // The thread's current locale with only its number category replaced.
    const locale_t current = uselocale(static_cast<locale_t>(nullptr));
    const locale_t base = duplocale(current);
    if (!base)
        return;
    numbers_ = newlocale(LC_NUMERIC_MASK, "C", base);
    if (!numbers_) {
        freelocale(base);
        return;
    }
    previous_ = uselocale(numbers_);
}

CNumbersInScope::~CNumbersInScope()
{
    if (!numbers_)
        return;
    uselocale(previous_);
    freelocale(numbers_);
}

}  // namespace morvessa::sheet::io
