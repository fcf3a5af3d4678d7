// The program's start as a whole: the skin check before any window, and the screenshot run.
#include "gui/bexlan_app.h"
#include "gui/prompts.h"
#include "gui/skin_images.h"
#include "support/qt_environment.h"
#include "support/scripted_prompts.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <fstream>

namespace bexlan {
namespace {

testing::Environment* const qt = testing::AddGlobalTestEnvironment(new QtEnvironment);

class BexlanAppTest : public testing::Test {
protected:
    std::filesystem::path data() const { return ToFilesystemPath(m_data.path()); }
    std::filesystem::path skins() const { return data() / "skins"; }

    void copySkinsExcept(std::string_view missing)
    {
        std::filesystem::create_directories(skins());
        for (std::string_view name : SkinFileNames) {
            if (name != missing) {
                std::filesystem::copy_file(BuiltSkinsDirectory() / name, skins() / name);
            }
        }
    }

    int run(LaunchOptions options = {})
    {
        options.mouse = MouseSource::Virtual;
        options.dataDir = data();
        options.userDir = ToFilesystemPath(m_user.path());
        CBexlanApp app(options, m_prompts);
        return app.InitInstance();
    }

    QString missingText(std::string_view name) const
    {
        return QStringLiteral("eksik dosya") + FromFilesystemPath(skins() / name);
    }

    QTemporaryDir m_data;
    QTemporaryDir m_user;
    ScriptedPrompts m_prompts;
};

TEST_F(BexlanAppTest, MissingSkinsFolderNamesTheMaskAndOpensNoWindow)
{
    EXPECT_NE(run(), 0);
    ASSERT_EQ(m_prompts.messages().size(), 1u);
    EXPECT_EQ(m_prompts.messages()[0].text, missingText("main_mask.bmp"));
    EXPECT_EQ(m_prompts.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST_F(BexlanAppTest, OnlyTheFirstMissingFileIsReported)
{
    copySkinsExcept("check.jpg");
    std::filesystem::remove(skins() / "macro_select_EN.jpg");
    EXPECT_NE(run(), 0);
    ASSERT_EQ(m_prompts.messages().size(), 1u);
    EXPECT_EQ(m_prompts.messages()[0].text, missingText("check.jpg"));
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST_F(BexlanAppTest, UndecodableMaskIsTreatedAsMissing)
{
    copySkinsExcept("main_mask.bmp");
    std::ofstream(skins() / "main_mask.bmp") << "not a picture";
    EXPECT_NE(run(), 0);
    ASSERT_EQ(m_prompts.messages().size(), 1u);
    EXPECT_EQ(m_prompts.messages()[0].text, missingText("main_mask.bmp"));
}

TEST_F(BexlanAppTest, ScreenshotIsTheShapedWindow)
{
    copySkinsExcept("");
    LaunchOptions options;
    options.screenshot = data() / "shot.png";
    options.page = Page::Advanced;
    options.language = Language::English;
    ASSERT_EQ(run(options), 0);
    EXPECT_TRUE(m_prompts.messages().empty());

    const QImage shot(FromFilesystemPath(*options.screenshot));
    const QImage mask(FromFilesystemPath(skins() / "main_mask.bmp"));
    ASSERT_EQ(shot.size(), mask.size());
    EXPECT_TRUE(shot.hasAlphaChannel());
    EXPECT_EQ(qAlpha(shot.pixel(0, 0)), 0) << "outside the shape";
    EXPECT_EQ(qAlpha(shot.pixel(mask.width() / 2, mask.height() / 2)), 255);

    const QImage advanced(FromFilesystemPath(skins() / "advanced_normal.jpg"));
    const QPoint bare(380, 300); // on the advanced page's face, outside every region
    EXPECT_EQ(shot.pixel(bare), advanced.pixel(bare) | 0xFF000000u);
}

TEST_F(BexlanAppTest, UnwritableScreenshotFails)
{
    copySkinsExcept("");
    LaunchOptions options;
    options.screenshot = data() / "no-such-folder" / "shot.png";
    EXPECT_NE(run(options), 0);
}

} // namespace
} // namespace bexlan
