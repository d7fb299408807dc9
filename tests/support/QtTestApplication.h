#pragma once
// One Qt application object for a whole test program, on the offscreen platform unless told otherwise.

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace morvessa::test {

template <class App>
class QtAppEnvironment final : public ::testing::Environment {
public:
    explicit QtAppEnvironment(std::string programName) : name_(std::move(programName)) {}

    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        argv_[0] = name_.data();
        app_ = std::make_unique<App>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    std::string name_;
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<App> app_;
};

}  // namespace morvessa::test
