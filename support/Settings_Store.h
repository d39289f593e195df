// SPDX-License-Identifier: MIT
// The production settings store: QSettings in the platform's native format,
// one QSettings per open key. "Software\<maker>\<application>" is the
// registry key of that name on Windows and "<maker>/<application>.conf" in
// the user's configuration folder elsewhere.
#pragma once

#include "Registry_Store.h"

#include <QString>
#include <map>
#include <memory>

class QSettings;

namespace Registry {

class Settings_Store final : public Store {
public:
    Settings_Store();
    ~Settings_Store() override;
    Settings_Store(const Settings_Store&) = delete;
    Settings_Store& operator=(const Settings_Store&) = delete;

#ifdef Q_OS_WIN
    // The registry key that stands for "Software" in key paths,
    // HKEY_CURRENT_USER\Software unless redirected. Test programs redirect
    // it, so that they never touch the user's real record (elsewhere they
    // redirect the configuration folder through XDG_CONFIG_HOME).
    static void Redirect_Software_Key(const QString& registry_key);
    static QString Software_Key();
#endif

    std::optional<Key_Handle> Open_Key(std::string_view key_path, Access access) override;
    Query_Result Query_Value(Key_Handle key, std::string_view value_name,
                             std::size_t capacity) override;
    std::optional<Key_Handle> Create_Key(std::string_view key_path) override;
    bool Delete_Key(std::string_view key_path) override;
    bool Set_Value(Key_Handle key, std::string_view value_name, Value_Type type,
                   std::string_view data) override;
    bool Close_Key(Key_Handle key) override;

private:
    struct Open_Settings {
        std::unique_ptr<QSettings> settings;
        Access access;
    };

    Key_Handle Keep(std::unique_ptr<QSettings> settings, Access access);
    QSettings* Find(Key_Handle key, Access needed) const;

    std::map<Key_Handle, Open_Settings> open_keys_;
    Key_Handle next_handle_ = 1;
};

} // namespace Registry
