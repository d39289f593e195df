// SPDX-License-Identifier: MIT
#include "Settings_Store.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSettings>
#include <QVariant>
#include <cstdint>

namespace Registry {
namespace {

struct Settings_Location {
    QString organisation;
    QString application;
};

// "Software\<maker>\<application>", with or without trailing separators.
std::optional<Settings_Location> Parse_Key_Path(std::string_view key_path) {
    while (!key_path.empty() && key_path.back() == '\\')
        key_path.remove_suffix(1);
    const QStringList parts =
        QString::fromUtf8(key_path.data(), qsizetype(key_path.size())).split(QLatin1Char('\\'));
    if (parts.size() != 3 ||
        parts[0].compare(QLatin1String("Software"), Qt::CaseInsensitive) != 0 ||
        parts[1].isEmpty() || parts[2].isEmpty())
        return std::nullopt;
    return Settings_Location{parts[1], parts[2]};
}

#ifdef Q_OS_WIN
QString& Registry_Software_Key() {
    static QString key = QStringLiteral("HKEY_CURRENT_USER\\Software");
    return key;
}

QString Maker_Key(const Settings_Location& location) {
    return Registry_Software_Key() + QLatin1Char('\\') + location.organisation;
}
#endif

std::unique_ptr<QSettings> Make_Settings(const Settings_Location& location) {
#ifdef Q_OS_WIN
    auto settings = std::make_unique<QSettings>(
        Maker_Key(location) + QLatin1Char('\\') + location.application, QSettings::NativeFormat);
#else
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                location.organisation, location.application);
#endif
    // Only the key itself counts: no maker-wide or system-wide values.
    settings->setFallbacksEnabled(false);
    return settings;
}

// Asked without creating the key: on Windows, opening a QSettings for writing
// creates its key, so the maker's key is asked for its sub-keys instead.
bool Key_Exists(const Settings_Location& location) {
#ifdef Q_OS_WIN
    QSettings maker(Maker_Key(location), QSettings::NativeFormat);
    return maker.childGroups().contains(location.application, Qt::CaseInsensitive);
#else
    return QFileInfo(Make_Settings(location)->fileName()).isFile();
#endif
}

// A key without values: on Windows the writable QSettings has created it
// already; elsewhere it is an empty settings file.
void Make_Empty_Key([[maybe_unused]] const QSettings& settings) {
#ifndef Q_OS_WIN
    const QFileInfo file(settings.fileName());
    QDir().mkpath(file.absolutePath());
    QFile(file.filePath()).open(QIODevice::WriteOnly | QIODevice::Append);
#endif
}

bool Remove_Key(const Settings_Location& location) {
#ifdef Q_OS_WIN
    QSettings maker(Maker_Key(location), QSettings::NativeFormat);
    maker.remove(location.application);
    maker.sync();
#else
    auto settings = Make_Settings(location);
    if (!settings->isWritable())
        return false;
    settings->clear();
    settings->sync();
    if (settings->status() == QSettings::AccessError)
        return false;
    QFile::remove(settings->fileName());
#endif
    return !Key_Exists(location);
}

// Write failures show as an access error; a format error only says that the
// file held lines that could not be read.
bool Saved(const QSettings& settings) {
    return settings.status() != QSettings::AccessError;
}

std::string Little_Endian_Bytes(std::uint32_t number) {
    std::string bytes(4, '\0');
    for (std::size_t i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return bytes;
}

std::uint32_t From_Little_Endian(std::string_view bytes) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4; ++i)
        number |= std::uint32_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return number;
}

struct Stored_Form {
    Value_Type type;
    std::string bytes;
};

// Text and 32-bit numbers in their registry form; any other value as its
// QVariant serialisation, so that it can be written back unchanged.
Stored_Form To_Stored_Form(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::QString: {
        std::string bytes = value.toString().toStdString();
        bytes.push_back('\0');
        return {Value_Type::Text, std::move(bytes)};
    }
    case QMetaType::Int:
    case QMetaType::UInt:
        return {Value_Type::Number32, Little_Endian_Bytes(value.toUInt())};
    default: {
        QByteArray serialised;
        QDataStream stream(&serialised, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_6_0);
        stream << value;
        return {Value_Type::Other, serialised.toStdString()};
    }
    }
}

// INI-style files keep no number type: there a number written here reads
// back as text. The registry keeps it.
std::optional<QVariant> From_Stored_Form(Value_Type type, std::string_view data) {
    switch (type) {
    case Value_Type::Text:
        return QVariant(QString::fromUtf8(data.data(), qsizetype(data.size())));
    case Value_Type::Number32:
        if (data.size() != 4)
            return std::nullopt;
        return QVariant(static_cast<int>(From_Little_Endian(data)));
    case Value_Type::Other: {
        const QByteArray serialised(data.data(), qsizetype(data.size()));
        QDataStream stream(serialised);
        stream.setVersion(QDataStream::Qt_6_0);
        QVariant value;
        stream >> value;
        if (stream.status() != QDataStream::Ok)
            return std::nullopt;
        return value;
    }
    }
    return std::nullopt;
}

QString Value_Name(std::string_view name) {
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace

#ifdef Q_OS_WIN
void Settings_Store::Redirect_Software_Key(const QString& registry_key) {
    Registry_Software_Key() = registry_key;
}

QString Settings_Store::Software_Key() {
    return Registry_Software_Key();
}
#endif

Settings_Store::Settings_Store() = default;
Settings_Store::~Settings_Store() = default;

std::optional<Key_Handle> Settings_Store::Open_Key(std::string_view key_path, Access access) {
    const auto location = Parse_Key_Path(key_path);
    if (!location || !Key_Exists(*location))
        return std::nullopt;
    auto settings = Make_Settings(*location);
    if (settings->status() == QSettings::AccessError)
        return std::nullopt;
    if (access == Access::All && !settings->isWritable())
        return std::nullopt;
    return Keep(std::move(settings), access);
}

Query_Result Settings_Store::Query_Value(Key_Handle key, std::string_view value_name,
                                         std::size_t capacity) {
    QSettings* settings = Find(key, Access::Query);
    if (!settings)
        return {};
    const QString name = Value_Name(value_name);
    if (!settings->contains(name))
        return {Query_Status::Not_Found, Value_Type::Text, {}, 0};
    Stored_Form stored = To_Stored_Form(settings->value(name));
    Query_Result result{Query_Status::More_Data, stored.type, {}, stored.bytes.size()};
    if (stored.bytes.size() <= capacity) {
        result.status = Query_Status::Success;
        result.data = std::move(stored.bytes);
    }
    return result;
}

std::optional<Key_Handle> Settings_Store::Create_Key(std::string_view key_path) {
    const auto location = Parse_Key_Path(key_path);
    if (!location)
        return std::nullopt;
    auto settings = Make_Settings(*location);
    if (settings->status() == QSettings::AccessError || !settings->isWritable())
        return std::nullopt;
    if (!Key_Exists(*location))
        Make_Empty_Key(*settings);
    if (!Key_Exists(*location))
        return std::nullopt;
    return Keep(std::move(settings), Access::All);
}

bool Settings_Store::Delete_Key(std::string_view key_path) {
    const auto location = Parse_Key_Path(key_path);
    if (!location)
        return false;
    if (!Key_Exists(*location))
        return true;
    // As the registry does: a key with sub-keys stays, and its values are
    // then written over in place.
    if (!Make_Settings(*location)->childGroups().isEmpty())
        return false;
    return Remove_Key(*location);
}

bool Settings_Store::Set_Value(Key_Handle key, std::string_view value_name, Value_Type type,
                               std::string_view data) {
    QSettings* settings = Find(key, Access::All);
    if (!settings)
        return false;
    const auto value = From_Stored_Form(type, data);
    if (!value)
        return false;
    settings->setValue(Value_Name(value_name), *value);
    settings->sync();
    return Saved(*settings);
}

bool Settings_Store::Close_Key(Key_Handle key) {
    const auto found = open_keys_.find(key);
    if (found == open_keys_.end())
        return false;
    found->second.settings->sync();
    const bool saved = Saved(*found->second.settings);
    open_keys_.erase(found);
    return saved;
}

Key_Handle Settings_Store::Keep(std::unique_ptr<QSettings> settings, Access access) {
    const Key_Handle key = next_handle_++;
    open_keys_.emplace(key, Open_Settings{std::move(settings), access});
    return key;
}

// A key opened for queries only cannot be written through.
QSettings* Settings_Store::Find(Key_Handle key, Access needed) const {
    const auto found = open_keys_.find(key);
    if (found == open_keys_.end())
        return nullptr;
    if (needed == Access::All && found->second.access != Access::All)
        return nullptr;
    return found->second.settings.get();
}

} // namespace Registry
