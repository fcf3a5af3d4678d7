// The command line of bexlan: what each option gives, and the usage errors.
#include "gui/launch_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bexlan {
namespace {

LaunchParse parse(std::vector<std::string> args)
{
    return ParseLaunchOptions(args);
}

TEST(LaunchOptionsTest, NoArgumentsOpenTheWindowOnTheHardware)
{
    const LaunchParse parsed = parse({});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->mouse, MouseSource::Hardware);
    EXPECT_FALSE(parsed.options->screenshot);
    EXPECT_FALSE(parsed.options->help);
}

TEST(LaunchOptionsTest, OptionsAndTheirValues)
{
    const LaunchParse parsed =
        parse({"--virtual-mouse=/s/mouse.state", "--data-dir", "/d", "--user-dir=/u",
               "--screenshot", "shot.png", "--page=advanced", "--lang", "en"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const LaunchOptions& options = *parsed.options;
    EXPECT_EQ(options.mouse, MouseSource::Virtual);
    EXPECT_EQ(options.virtualMouseState, std::filesystem::path("/s/mouse.state"));
    EXPECT_EQ(options.dataDir, std::filesystem::path("/d"));
    EXPECT_EQ(options.userDir, std::filesystem::path("/u"));
    EXPECT_EQ(options.screenshot, std::filesystem::path("shot.png"));
    EXPECT_EQ(options.page, Page::Advanced);
    EXPECT_EQ(options.language, Language::English);

    const LaunchParse memoryOnly = parse({"--virtual-mouse"});
    ASSERT_TRUE(memoryOnly.options);
    EXPECT_EQ(memoryOnly.options->mouse, MouseSource::Virtual);
    EXPECT_FALSE(memoryOnly.options->virtualMouseState);

    EXPECT_TRUE(parse({"-h"}).options->help);
    EXPECT_TRUE(parse({"--help", "--lang", "en"}).options->help);
}

TEST(LaunchOptionsTest, UsageErrorsSayWhatIsWrong)
{
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const Case cases[] = {
        {{"--frobnicate"}, "--frobnicate"},
        {{"--data-dir"}, "--data-dir needs a value"},
        {{"--screenshot="}, "--screenshot needs a value"},
        {{"--virtual-mouse="}, "--virtual-mouse"},
        {{"--screenshot", "a.png", "--page", "colour"}, "colour"},
        {{"--screenshot", "a.png", "--lang", "de"}, "de"},
        {{"--lang", "en"}, "--screenshot"}, // a window always opens in Turkish
        {{"--page", "advanced"}, "--screenshot"},
    };
    for (const Case& c : cases) {
        const LaunchParse parsed = parse(c.args);
        EXPECT_FALSE(parsed.options) << c.args.front();
        EXPECT_NE(parsed.error.find(c.mentions), std::string::npos) << parsed.error;
    }
}

} // namespace
} // namespace bexlan
