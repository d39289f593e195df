// SPDX-License-Identifier: MIT
#include "Application_Setup.h"
#include "Test_Environment.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    Test_Environment::Prepare_Process();
    int result = 0;
    {
        QApplication application(argc, argv);
        QApplication::setOrganizationName("Harrowmere");
        QApplication::setApplicationName("Tessaly");
        // The windows' fonts as the program gets them; its style only where
        // a test installs it.
        Install_Font_Substitutions();
        Test_Environment::Prepare_Application();
        result = RUN_ALL_TESTS();
    }
    Test_Environment::Clean_Up();
    return result;
}
