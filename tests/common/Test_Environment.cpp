// SPDX-License-Identifier: MIT
#include "Test_Environment.h"

#include "Error_Logging.h"
#include "Message_Box.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <string>

namespace Test_Environment {
namespace {

QString& Root_Slot() {
    static QString root;
    return root;
}

QStringList& Recorded_Messages() {
    static QStringList messages;
    return messages;
}

void Set(const char* name, const QString& value) {
    QDir().mkpath(value);
    setenv(name, QFile::encodeName(value).constData(), 1);
}

} // namespace

void Prepare_Process() {
    std::string pattern = "/tmp/tessaly-test-XXXXXX";
    const char* made = mkdtemp(pattern.data());
    Root_Slot() = QString::fromLocal8Bit(made ? made : "/tmp");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Set("HOME", Root() + "/home");
    Set("XDG_CONFIG_HOME", Root() + "/home/.config");
    Set("XDG_DATA_HOME", Root() + "/home/.local/share");
    Set("XDG_CACHE_HOME", Root() + "/home/.cache");
    Set("XDG_STATE_HOME", Root() + "/home/.local/state");
    Set("XDG_RUNTIME_DIR", Root() + "/runtime");
    QFile::setPermissions(Root() + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void Prepare_Application() {
    QDir().mkpath(Program_Folder());
    QDir().mkpath(Fallback_Folder());
    Error_Logging::Set_Log_Folders(Program_Folder(), Fallback_Folder());
    Message_Box::Set_Handler([](const QString& text) { Recorded_Messages().append(text); });
}

void Clean_Up() {
    if (Root().startsWith("/tmp/tessaly-test-"))
        QDir(Root()).removeRecursively();
}

QString Root() {
    return Root_Slot();
}
QString Program_Folder() {
    return Root() + "/program";
}
QString Fallback_Folder() {
    return Root() + "/home/.local/share/Harrowmere/Tessaly";
}

QStringList Messages() {
    return Recorded_Messages();
}
void Clear_Messages() {
    Recorded_Messages().clear();
}

QStringList Log_Lines() {
    QFile file(Program_Folder() + "/Application Log.txt");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void Clear_Log() {
    QFile::remove(Program_Folder() + "/Application Log.txt");
}

} // namespace Test_Environment
