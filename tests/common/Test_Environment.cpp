// SPDX-License-Identifier: MIT
#include "Test_Environment.h"

#include "Message_Box.h"
#include "Settings_Store.h"
#include "Test_World.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
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

#ifdef Q_OS_WIN
// On Windows the settings live in the registry, which has no per-process
// home: each test program gets a key of its own under this one instead of
// HKEY_CURRENT_USER\\Software, removed when it ends.
const QString Test_Registry_Parent = QStringLiteral("HKEY_CURRENT_USER\\Software\\Tessaly Tests");

QString Program_Key_Name() {
    return QString::number(QCoreApplication::applicationPid());
}
#endif

} // namespace

void Prepare_Process() {
    World() = std::make_unique<Test_World>(Test_World::Xdg::Folders, "tessaly-test");
    World()->Enter();
#ifdef Q_OS_WIN
    Registry::Settings_Store::Redirect_Software_Key(Test_Registry_Parent + QLatin1Char('\\') +
                                                    Program_Key_Name());
    // Qt's offscreen platform has no fonts on Windows: there the tests run
    // on the real one, on the display the test run provides.
    qputenv("QT_QPA_PLATFORM", "windows");
#else
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
}

void Prepare_Application() {
    World()->Point_Log_Here();
    Message_Box::Set_Handler([](const QString& text) { Recorded_Messages().append(text); });
}

void Clean_Up() {
    World().reset();
#ifdef Q_OS_WIN
    QSettings(Test_Registry_Parent, QSettings::NativeFormat).remove(Program_Key_Name());
#endif
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
    return Lines_Of_Log(World()->Program_Log());
}

QStringList Lines_Of_Log(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void Clear_Log() {
    QFile::remove(World()->Program_Log());
}

} // namespace Test_Environment
