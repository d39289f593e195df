// SPDX-License-Identifier: MIT
// The message box service: the box it builds, and the handler tests put in
// its place (no test opens a real box).
#include "Message_Box.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

TEST(Message_Box, Box_Has_The_Title_The_Text_One_OK_Button_And_No_Icon) {
    const auto box = Message_Box::Make_Box(QStringLiteral("Error closing key."));
    EXPECT_EQ(box->windowTitle(), "Tessaly");
    EXPECT_EQ(box->text(), "Error closing key.");
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_FALSE(box->isVisible());
}

TEST(Message_Box, Show_Goes_To_The_Current_Handler) {
    QStringList shown;
    const Message_Box::Handler previous =
        Message_Box::Set_Handler([&](const QString& text) { shown.append(text); });
    Message_Box::Show(QStringLiteral("first"));
    Message_Box::Show(QStringLiteral("second"));
    Message_Box::Set_Handler(previous);
    EXPECT_EQ(shown, QStringList({"first", "second"}));
}

TEST(Message_Box, Set_Handler_Returns_The_One_It_Replaces) {
    int first_calls = 0;
    const Message_Box::Handler original =
        Message_Box::Set_Handler([&](const QString&) { ++first_calls; });
    const Message_Box::Handler replaced = Message_Box::Set_Handler([](const QString&) {});
    replaced(QStringLiteral("through the returned handler"));
    Message_Box::Set_Handler(original);
    EXPECT_EQ(first_calls, 1);
}

} // namespace
