// The preview window's tests drive real widgets.
#include "support/QtTestApplication.h"

#include <QApplication>

namespace {
[[maybe_unused]] ::testing::Environment* const g_qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new morvessa::test::QtAppEnvironment<QApplication>("test_preview"));
}  // namespace
