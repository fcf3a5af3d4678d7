#pragma once

#include "device/app_paths.h"
#include "device/clock.h"
#include "device/pointer_settings.h"
#include "device/virtual_mouse.h"
#include "gui/fonts.h"
#include "gui/main_window.h"
#include "gui/skin_images.h"
#include "support/scripted_prompts.h"

#include <QImage>
#include <QPoint>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string_view>

namespace bexlan {

// The skins the build draws.
std::filesystem::path BuiltSkinsDirectory();

// A main window on the virtual mouse, with scripted prompts, an instant clock, pointer
// settings kept in a scratch folder and the built skins. Set the mouse, the prompts and the
// data folder up first, then start() runs the window's initialisation and shows it
// (off screen).
class TestWindow {
public:
    TestWindow();
    ~TestWindow();

    VirtualMouse& mouse() { return m_mouse; }
    ScriptedPrompts& prompts() { return m_prompts; }
    FakeClock& clock() { return m_clock; }
    SkinImages& skins() { return m_skins; }
    // Holds the skins; a DefSet.ini written here is the factory profile.
    std::filesystem::path dataDirectory() const;
    void writeFactoryProfile(std::string_view utf8Text);

    CBexlanDlg& start();
    CBexlanDlg& window() { return *m_window; }
    MainWindowState& state() { return m_window->state(); }
    QWindow* handle();

    // The window's frame composed now.
    QImage frame();

private:
    QTemporaryDir m_data;
    QTemporaryDir m_user;
    SkinImages m_skins;
    Fonts m_fonts;
    ScriptedPrompts m_prompts;
    VirtualMouse m_mouse;
    FakeClock m_clock;
    AppPaths m_paths;
    std::unique_ptr<StoredPointerSettings> m_pointer;
    std::unique_ptr<CBexlanDlg> m_window;
};

// Points of a region in client coordinates.
QPoint CentreOf(int region);
// `dx` pixels right of the region's left edge, vertically centred.
QPoint AtOffset(int region, int dx);

// A library of `count` one-event macros named "m1", "m2", ...
void FillLibrary(MacroLibrary& library, int count);

} // namespace bexlan
