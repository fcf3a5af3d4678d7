#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "device/app_paths.h"

namespace bexlan {

class Clock;
class HidBackend;
class PointerSettings;

// Exit status of bexlanctl.
enum ExitCode : int {
    ExitSuccess = 0,
    ExitDeviceFailure = 1, // no mouse, a refused or unreadable report, a file not written
    ExitUsage = 2,
    ExitBadInput = 3, // an input file that cannot be read or holds no valid content
};

// What bexlanctl runs against. Members left empty are chosen as for a normal run: hidapi,
// or the virtual mouse with --virtual-mouse; the system clock; the desktop's pointer
// settings; the process environment and the executable's folder for the paths.
struct CliEnvironment {
    HidBackend* backend = nullptr;
    Clock* clock = nullptr;
    PointerSettings* pointer = nullptr;
    EnvironmentLookup environment;
    std::filesystem::path exeDirectory;
};

// Runs one bexlanctl command line (`args` without the program name). Output goes to `out`,
// each error as one line to `err`; returns the exit status.
int RunBexlanctl(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const CliEnvironment& environment = {});

} // namespace bexlan
