#include "ui/widgets/Dialogs.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

// CTest's test discovery runs the executable without the tests' environment, so the platform is
// chosen here: no window test needs a display.
int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    // No message box or file dialog may wait for a user.
    vorbix::ui::Dialogs::setScripted(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
