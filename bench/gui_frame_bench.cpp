// Composing the main window's frame: every paint recomposes the whole window, so this is the
// cost of one repaint, and of the first one with nothing decoded yet.
#include "gui/fonts.h"
#include "gui/main_frame_painter.h"
#include "gui/main_window_state.h"
#include "gui/skin_images.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <memory>
#include <string>

namespace bexlan {
namespace {

QApplication& application()
{
    static int argc = 1;
    static char name[] = "gui_frame_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    static const bool substituted = (InstallFontSubstitutions(), true);
    (void)substituted;
    return app;
}

std::filesystem::path skinsDirectory()
{
    application();
    return std::filesystem::path(QApplication::applicationDirPath().toStdString()) / "skins";
}

// A busy window: a full list page of named macros, a key combination on a button, a region
// under the cursor, and every option set.
std::unique_ptr<MainWindowState> busyState(Page page)
{
    auto state = std::make_unique<MainWindowState>();
    state->settings.RegionValues = DefaultSettings;
    state->CurrentPage = page;
    state->LanguageIndex = Language::English;
    state->HotRegion = page == Page::Basic ? 3 : 68;
    state->settings[Button4] = 7;
    state->settings.KeyCombo[Button4] = KeyCombination{70, 58, FindKeyIndex('A')};
    MacroLibrary& library = state->library;
    for (int i = 0; i < 25; ++i) {
        library.MacroSlots[static_cast<size_t>(i)].Append(MacroEvent::Delay(10));
        library.MacroNames[static_cast<size_t>(i)] = "Macro number " + std::to_string(i + 1);
    }
    library.MacroCount = 25;
    library.SelectedMacro = 3;
    library.HotMacroRow = 5;
    library.MacroFilePath = "/home/user/macros/games.mac";
    return state;
}

void BM_ComposeFrame(benchmark::State& run)
{
    const Page page = static_cast<Page>(run.range(0));
    SkinImages skins(skinsDirectory());
    const Fonts fonts = CreateFonts();
    MainFramePainter painter(skins, fonts);
    const auto state = busyState(page);
    QImage frame;
    painter.compose(frame, *state); // decode the skins outside the measurement
    for (auto _ : run) {
        painter.compose(frame, *state);
        benchmark::DoNotOptimize(frame.constBits());
    }
    run.SetLabel(page == Page::Basic ? "basic page" : "advanced page, 20 list rows");
}
BENCHMARK(BM_ComposeFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The first frame of a page, skins decoded on the way: what start-up pays for the picture.
void BM_FirstFrame(benchmark::State& run)
{
    const Page page = static_cast<Page>(run.range(0));
    const Fonts fonts = CreateFonts();
    const auto state = busyState(page);
    for (auto _ : run) {
        SkinImages skins(skinsDirectory());
        MainFramePainter painter(skins, fonts);
        QImage frame;
        painter.compose(frame, *state);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_FirstFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace bexlan
