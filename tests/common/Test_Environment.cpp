// SPDX-License-Identifier: MIT
#include "Test_Environment.h"

#include "Message_Box.h"
#include "Test_World.h"

#include <QFile>
#include <cstdlib>
#include <memory>

namespace Test_Environment {
namespace {

std::unique_ptr<Test_World>& World() {
    static std::unique_ptr<Test_World> world;
    return world;
}

QStringList& Recorded_Messages() {
    static QStringList messages;
    return messages;
}

} // namespace

void Prepare_Process() {
    World() = std::make_unique<Test_World>(Test_World::Xdg::Folders, "tessaly-test");
    World()->Enter();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

void Prepare_Application() {
    World()->Point_Log_Here();
    Message_Box::Set_Handler([](const QString& text) { Recorded_Messages().append(text); });
}

void Clean_Up() {
    World().reset();
}

QString Root() {
    return World()->Root();
}
QString Program_Folder() {
    return World()->Program_Folder();
}
QString Fallback_Folder() {
    return World()->Fallback_Folder();
}

QStringList Messages() {
    return Recorded_Messages();
}
void Clear_Messages() {
    Recorded_Messages().clear();
}

QStringList Log_Lines() {
    QFile file(World()->Program_Log());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void Clear_Log() {
    QFile::remove(World()->Program_Log());
}

} // namespace Test_Environment
