#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/bexlanctl.h"
#include "device/clock.h"
#include "device/pointer_settings.h"
#include "device/support/recording_pointer.h"
#include "device/support/scratch_dir.h"
#include "device/virtual_mouse.h"

namespace bexlan {

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
    RecordingPointer pointer{kDefaultPointerValues};
};

} // namespace bexlan
