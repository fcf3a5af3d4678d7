#include "support/test_window.h"

#include "gui/prompts.h"
#include "model/region_table.h"

#include <QFile>
#include <QTest>
#include <QWindow>

#include <fstream>

namespace bexlan {

namespace {

std::filesystem::path pathOf(const QTemporaryDir& dir)
{
    return ToFilesystemPath(dir.path());
}

AppPaths testPaths(const QTemporaryDir& data, const QTemporaryDir& user)
{
    return AppPaths::Resolve(pathOf(data), PathOverrides{pathOf(data), pathOf(user)},
                             [](std::string_view) { return std::optional<std::string>(); });
}

std::filesystem::path linkedSkins(const QTemporaryDir& data)
{
    const std::filesystem::path link = pathOf(data) / "skins";
    std::filesystem::create_directory_symlink(BuiltSkinsDirectory(), link);
    return link;
}

} // namespace

std::filesystem::path BuiltSkinsDirectory()
{
    return std::filesystem::path(BEXLAN_BINARY_DIR) / "bin" / "skins";
}

TestWindow::TestWindow()
    : m_skins(linkedSkins(m_data)), m_fonts(CreateFonts()), m_paths(testPaths(m_data, m_user)),
      m_pointer(std::make_unique<StoredPointerSettings>(m_paths.pointerSettingsFile()))
{
}

TestWindow::~TestWindow() = default;

std::filesystem::path TestWindow::dataDirectory() const
{
    return pathOf(m_data);
}

void TestWindow::writeFactoryProfile(std::string_view utf8Text)
{
    // Profiles are UTF-16LE with a byte-order mark.
    const std::u16string text =
        QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()))
            .toStdU16String();
    std::ofstream out(dataDirectory() / "DefSet.ini", std::ios::binary);
    out.write("\xFF\xFE", 2);
    for (char16_t c : text) {
        const char bytes[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        out.write(bytes, 2);
    }
}

CBexlanDlg& TestWindow::start()
{
    m_window = std::make_unique<CBexlanDlg>(MainWindowServices{
        m_skins, m_fonts, m_prompts, m_mouse, *m_pointer, m_clock, m_paths, nullptr});
    m_window->initialise();
    m_window->show();
    (void)QTest::qWaitForWindowExposed(m_window.get());
    return *m_window;
}

QWindow* TestWindow::handle()
{
    return m_window->windowHandle();
}

QImage TestWindow::frame()
{
    return m_window->composeFrame().copy();
}

QPoint CentreOf(int region)
{
    const Rect rect = RegionRect(region);
    return QPoint((rect.left + rect.right - 1) / 2, (rect.top + rect.bottom - 1) / 2);
}

QPoint AtOffset(int region, int dx)
{
    const Rect rect = RegionRect(region);
    return QPoint(rect.left + dx, (rect.top + rect.bottom - 1) / 2);
}

void FillLibrary(MacroLibrary& library, int count)
{
    library.Clear();
    for (int i = 0; i < count; ++i) {
        library.MacroSlots[static_cast<size_t>(i)].Append(MacroEvent::Delay(10));
        library.MacroNames[static_cast<size_t>(i)] = "m" + std::to_string(i + 1);
    }
    library.MacroCount = static_cast<uint32_t>(count);
}

} // namespace bexlan
