#include "gui/bexlan_app.h"

#include "device/app_paths.h"
#include "device/backup_store.h"
#include "device/clock.h"
#include "device/hidapi_backend.h"
#include "device/pointer_settings.h"
#include "device/virtual_mouse.h"
#include "gui/fonts.h"
#include "gui/keyboard_relay.h"
#include "gui/main_window.h"
#include "gui/prompts.h"
#include "gui/skin_images.h"

#include <QImageWriter>

#include <cstdio>
#include <memory>

namespace bexlan {

namespace {

constexpr int kScreenshotQuality = 50;

void reportMissingSkin(Prompts& prompts, const std::filesystem::path& path)
{
    // Nothing has chosen a language yet, so the text is Turkish, with the path right after it.
    const std::string_view text =
        LookupText(TextTable::MessageTable, MessageFileMissing, Language::Turkish);
    prompts.message(nullptr,
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) +
                        FromFilesystemPath(path),
                    QStringLiteral("Error"), MessageIcon::None);
}

int saveScreenshot(CBexlanDlg& window, const LaunchOptions& options)
{
    window.showPage(options.page);
    window.setLanguage(options.language);
    QImageWriter writer(FromFilesystemPath(*options.screenshot), "png");
    // Middle compression: half the time of the default for a few per cent more bytes.
    writer.setQuality(kScreenshotQuality);
    if (!writer.write(window.screenshot())) {
        std::fprintf(stderr, "bexlan: cannot save %s: %s\n", options.screenshot->c_str(),
                     qUtf8Printable(writer.errorString()));
        return 1;
    }
    return 0;
}

} // namespace

CBexlanApp::CBexlanApp(LaunchOptions options, Prompts& prompts)
    : m_options(std::move(options)), m_prompts(prompts)
{
}

int CBexlanApp::InitInstance()
{
    const AppPaths paths = AppPaths::Detect(PathOverrides{m_options.dataDir, m_options.userDir});

    InstallFontSubstitutions();
    const Fonts fonts = CreateFonts();

    SkinImages skins(paths.skinsDirectory());
    if (const std::optional<int> missing = skins.firstMissing()) {
        reportMissingSkin(m_prompts, skins.pathOf(*missing));
        return 1;
    }
    // The window takes its size and shape from the mask; one that does not decode is as
    // good as missing.
    if (skins.mask(MainMask) == nullptr) {
        reportMissingSkin(m_prompts, skins.pathOf(MainMask));
        return 1;
    }

    std::error_code folderError;
    if (!paths.ensureWritableDirectories(&folderError)) {
        std::fprintf(stderr, "bexlan: cannot create %s: %s\n", paths.userDirectory().c_str(),
                     folderError.message().c_str());
    }

    std::unique_ptr<HidBackend> backend;
    std::unique_ptr<Clock> clock;
    if (m_options.mouse == MouseSource::Virtual) {
        auto mouse = std::make_unique<VirtualMouse>();
        if (m_options.virtualMouseState) {
            const StateResult attached = mouse->attachStateFile(*m_options.virtualMouseState);
            if (!attached.ok()) {
                std::fprintf(stderr, "bexlan: %s\n", attached.message.c_str());
                return 1;
            }
        }
        backend = std::move(mouse);
        // The virtual mouse answers at once; the pauses are for the firmware of a real one.
        clock = std::make_unique<FakeClock>();
    } else {
        backend = std::make_unique<HidapiBackend>();
        clock = std::make_unique<SystemClock>();
    }
    const std::unique_ptr<PointerSettings> pointer =
        OpenPointerSettings(paths.pointerSettingsFile());

    // Every read of the mouse keeps its raw reports, so what it held can be put back later.
    BackupStore backups(paths.stateDirectory() / "backups");
    auto window = std::make_unique<CBexlanDlg>(
        MainWindowServices{skins, fonts, m_prompts, *backend, *pointer, *clock, paths, &backups});
    window->initialise();
    if (m_options.screenshot) {
        return saveScreenshot(*window, m_options);
    }
    // The relay lets the macro windows capture every key; it goes before the window does.
    auto relay = std::make_unique<KeyboardRelay>();
    window->exec();
    relay.reset();
    return 0;
}

} // namespace bexlan
