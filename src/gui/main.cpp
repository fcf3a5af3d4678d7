#include "gui/bexlan_app.h"
#include "gui/prompts.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace bexlan;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const LaunchParse parsed = ParseLaunchOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "bexlan: %s\nTry 'bexlan --help'.\n", parsed.error.c_str());
        return 2;
    }
    if (parsed.options->help) {
        std::fputs(LaunchUsage("bexlan").c_str(), stdout);
        return 0;
    }
    // A screenshot is composed off screen, so it needs no display at all.
    if (parsed.options->screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bexlan"));
    QApplication::setDesktopFileName(QStringLiteral("bexlan"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("bexlan")));

    QtPrompts desktopPrompts;
    ConsolePrompts consolePrompts;
    Prompts& prompts = parsed.options->screenshot ? static_cast<Prompts&>(consolePrompts)
                                                  : static_cast<Prompts&>(desktopPrompts);
    CBexlanApp app(*parsed.options, prompts);
    return app.InitInstance();
}
