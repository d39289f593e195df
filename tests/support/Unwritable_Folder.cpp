// SPDX-License-Identifier: MIT
#include "Unwritable_Folder.h"

#include "Test_World.h"

#include <QDir>
#include <QFile>

namespace Unwritable_Folder {
namespace {

bool Lock(const QString& folder) {
    return QDir().mkpath(folder) &&
           QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                             QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

bool Can_Create_File_In(const QString& folder) {
    QFile probe(folder + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

} // namespace

bool Permissions_Stop_Writes(const QString& scratch_folder) {
    const QString folder = Unique_Path(scratch_folder, QStringLiteral("permission-probe"));
    const bool stopped = Lock(folder) && !Can_Create_File_In(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(folder).removeRecursively();
    return stopped;
}

QString Make(const QString& base) {
    QDir().mkpath(base);
    if (Permissions_Stop_Writes(base)) {
        const QString folder = Unique_Path(base, QStringLiteral("read-only"));
        Lock(folder);
        return folder;
    }
    const QString blocker = Unique_Path(base, QStringLiteral("regular-file"));
    QFile file(blocker);
    file.open(QIODevice::WriteOnly);
    return blocker + QStringLiteral("/folder");
}

} // namespace Unwritable_Folder
