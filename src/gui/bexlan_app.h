#pragma once

#include "gui/launch_options.h"

namespace bexlan {

class Prompts;

// The program's life inside a QApplication: finds its folders, checks that every skin file
// exists (the first missing one is reported and ends the run before any window), makes the
// fonts, opens the mouse or the virtual mouse, and runs the main window modally, or, with
// --screenshot, saves the window's picture instead. Returns the process exit status.
class CBexlanApp {
public:
    CBexlanApp(LaunchOptions options, Prompts& prompts);

    int InitInstance();

private:
    LaunchOptions m_options;
    Prompts& m_prompts;
};

} // namespace bexlan
