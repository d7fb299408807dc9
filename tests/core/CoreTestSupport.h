#pragma once
// Shared test helpers of the core tests.

// A default locale for one test, the previous one restored afterwards.

#include <QLocale>

namespace morvessa::test {

class ScopedLocale {
public:
    explicit ScopedLocale(QLocale::Language language) : previous_(QLocale())
    {
        QLocale::setDefault(QLocale(language));
    }
    ~ScopedLocale() { QLocale::setDefault(previous_); }

private:
    QLocale previous_;
};

}  // namespace morvessa::test
