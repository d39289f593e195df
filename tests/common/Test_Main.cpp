// SPDX-License-Identifier: MIT
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
        Test_Environment::Prepare_Application();
        result = RUN_ALL_TESTS();
    }
    Test_Environment::Clean_Up();
    return result;
}
