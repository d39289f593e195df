// SPDX-License-Identifier: MIT
// The user's settings of the test environment, reached on their own, without
// the store under test: the settings file in the test's configuration folder,
// or on Windows the test program's own registry key.
#pragma once

#include "Settings_Store.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>

namespace User_Settings {

#ifdef Q_OS_WIN

inline QString Maker_Key() {
    return Registry::Settings_Store::Software_Key() + QStringLiteral("\\Harrowmere");
}

inline std::unique_ptr<QSettings> Open() {
    auto settings = std::make_unique<QSettings>(Maker_Key() + QStringLiteral("\\Tessaly"),
                                                QSettings::NativeFormat);
    settings->setFallbacksEnabled(false);
    return settings;
}

inline bool Key_Exists() {
    return QSettings(Maker_Key(), QSettings::NativeFormat).childGroups().contains("Tessaly");
}

// The key with its values and sub-keys.
inline void Remove_All() {
    QSettings(Maker_Key(), QSettings::NativeFormat).remove(QStringLiteral("Tessaly"));
}

// Opening the key for writing creates it.
inline void Make_Empty_Key() {
    Open()->sync();
}

#else

inline QString Maker_Folder() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Harrowmere");
}

inline QString File() {
    return Maker_Folder() + QStringLiteral("/Tessaly.conf");
}

inline bool Key_Exists() {
    return QFileInfo(File()).isFile();
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

inline std::unique_ptr<QSettings> Open() {
    auto settings =
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                    QStringLiteral("Harrowmere"), QStringLiteral("Tessaly"));
    settings->setFallbacksEnabled(false);
    return settings;
}

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

// An empty settings file is a key without values.
inline void Make_Empty_Key() {
    Write_File({});
}

#endif

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

// Every value of the key, by name.
inline QVariantMap Snapshot() {
    const auto settings = Open();
    QVariantMap values;
    for (const QString& name : settings->allKeys())
        values.insert(name, settings->value(name));
    return values;
}

// A value that keeps the type of a 32-bit number. The registry keeps it;
// the settings file keeps it only in QSettings' typed form, written here
// past QSettings (whose cache would otherwise still hold its own view), with
// the given text values.
inline void Seed_Number(const char* name, int number,
                        std::initializer_list<std::pair<const char*, const char*>> texts = {}) {
#ifdef Q_OS_WIN
    const auto settings = Open();
    settings->setValue(QString::fromLatin1(name), number);
    for (const auto& [text_name, text] : texts)
        settings->setValue(QString::fromLatin1(text_name), QString::fromLatin1(text));
#else
    QByteArray content("[General]\n");
    for (const auto& [text_name, text] : texts)
        content += QByteArray(text_name) + '=' + text + '\n';
    content += QByteArray(name) + "=@Variant(\\x0\\x0\\x0\\x2";
    for (int shift = 24; shift >= 0; shift -= 8)
        content += "\\x" + QByteArray::number((std::uint32_t(number) >> shift) & 0xFF, 16);
    Write_File(content + ")\n");
#endif
}

} // namespace User_Settings
