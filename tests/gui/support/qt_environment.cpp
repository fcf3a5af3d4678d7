#include "support/qt_environment.h"

#include "gui/fonts.h"

#include <QTest>

namespace bexlan {

void QtEnvironment::SetUp()
{
    static int argc = 1;
    static char name[] = "bexlan_gui_test";
    static char* argv[] = {name, nullptr};
    m_app = std::make_unique<QApplication>(argc, argv);
    InstallFontSubstitutions();
}

void QtEnvironment::TearDown()
{
    m_app.reset();
}

bool WaitUntil(const std::function<bool()>& done)
{
    return QTest::qWaitFor(done, 10000);
}

} // namespace bexlan
