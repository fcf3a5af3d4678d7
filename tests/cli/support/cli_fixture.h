#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/bexlanctl.h"
#include "device/clock.h"
#include "device/pointer_settings.h"
#include "device/support/scratch_dir.h"
#include "device/virtual_mouse.h"

namespace bexlan {

// Pointer settings that only remember what they were given.
class RecordingPointer : public PointerSettings {
public:
    int32_t speed() const override { return m_values.speed; }
    bool setSpeed(int32_t speed) override { return record(m_values.speed, speed); }
    int32_t wheelScrollLines() const override { return m_values.wheelLines; }
    bool setWheelScrollLines(int32_t lines) override { return record(m_values.wheelLines, lines); }
    uint32_t doubleClickTime() const override { return m_values.doubleClickMs; }
    bool setDoubleClickTime(uint32_t ms) override { return record(m_values.doubleClickMs, ms); }

    int sets = 0;

private:
    template <typename T>
    bool record(T& field, T value)
    {
        field = value;
        ++sets;
        return true;
    }
    WindowsPointerValues m_values = kDefaultPointerValues;
};

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;

    // Errors are one line each, and a failed run says something.
    bool oneErrorLine() const
    {
        return err.starts_with("bexlanctl: ") && err.find('\n') == err.size() - 1;
    }
};

// bexlanctl against a virtual mouse that the test controls, a clock that never sleeps and
// pointer settings that touch no desktop; every file goes into a scratch folder.
class CliTest : public ::testing::Test {
protected:
    CliRun run(std::vector<std::string> args, HidBackend* backend)
    {
        std::ostringstream out;
        std::ostringstream err;
        args.insert(args.begin(), {"--user-dir", dir.path().string()});
        CliEnvironment environment;
        environment.backend = backend;
        environment.clock = &clock;
        environment.pointer = &pointer;
        const int status = RunBexlanctl(args, out, err, environment);
        return {status, out.str(), err.str()};
    }
    CliRun run(std::vector<std::string> args) { return run(std::move(args), &mouse); }

    std::string file(const std::string& name) const { return (dir.path() / name).string(); }

    ScratchDir dir;
    VirtualMouse mouse;
    FakeClock clock;
    RecordingPointer pointer;
};

} // namespace bexlan
