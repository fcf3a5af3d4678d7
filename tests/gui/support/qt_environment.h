#pragma once

#include <gtest/gtest.h>

#include <QApplication>

#include <functional>
#include <memory>

namespace bexlan {

// The QApplication of one test program. Register it once per test file:
//   testing::Environment* const qt = testing::AddGlobalTestEnvironment(new QtEnvironment);
class QtEnvironment : public testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

private:
    std::unique_ptr<QApplication> m_app;
};

// Runs the event loop until `done` holds or a generous limit passes; false when it never held.
// For events that arrive through the loop (socket notifiers, deferred paints), never timing.
bool WaitUntil(const std::function<bool()>& done);

} // namespace bexlan
