// SPDX-License-Identifier: MIT
// The user's settings file of the test environment, reached on its own,
// without the store under test.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <memory>
#include <utility>

namespace User_Settings {

inline QString Maker_Folder() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Harrowmere");
}

inline QString File() {
    return Maker_Folder() + QStringLiteral("/Tessaly.conf");
}

inline void Make_Removable(const QString& path) {
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

inline void Remove_Folder_And_File() {
    const QFileInfo maker(Maker_Folder());
    Make_Removable(maker.filePath());
    Make_Removable(File());
    if (maker.isDir())
        QDir(maker.filePath()).removeRecursively();
    else
        QFile::remove(maker.filePath());
}

inline std::unique_ptr<QSettings> Open();

// Leaves no trace of earlier tests: no folder, no file, whatever they were.
// A write that failed stays pending in QSettings' process-wide cache and
// would be saved by the next QSettings that syncs the file, so it is let
// through first and removed with the rest.
inline void Remove_All() {
    Remove_Folder_And_File();
    QDir().mkpath(Maker_Folder());
    Open()->sync();
    Remove_Folder_And_File();
}

inline void Write_File(const QByteArray& content) {
    QDir().mkpath(Maker_Folder());
    QFile file(File());
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
}

inline QByteArray File_Content() {
    QFile file(File());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline std::unique_ptr<QSettings> Open() {
    auto settings =
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                    QStringLiteral("Harrowmere"), QStringLiteral("Tessaly"));
    settings->setFallbacksEnabled(false);
    return settings;
}

inline void Seed(std::initializer_list<std::pair<const char*, QVariant>> values) {
    const auto settings = Open();
    for (const auto& [name, value] : values)
        settings->setValue(QString::fromLatin1(name), value);
    settings->sync();
}

inline QVariant Value(const char* name) {
    return Open()->value(QString::fromLatin1(name));
}

inline bool Has(const char* name) {
    return Open()->contains(QString::fromLatin1(name));
}

} // namespace User_Settings
