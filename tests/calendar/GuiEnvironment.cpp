// The snapshot goes through the clipboard, which needs a QGuiApplication.
#include "support/QtTestApplication.h"

#include <QGuiApplication>

namespace {
[[maybe_unused]] ::testing::Environment* const g_guiEnvironment = ::testing::AddGlobalTestEnvironment(
    new morvessa::test::QtAppEnvironment<QGuiApplication>("test_calendar"));
}  // namespace
