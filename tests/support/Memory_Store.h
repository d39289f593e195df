// SPDX-License-Identifier: MIT
// A settings store held in memory, keeping values in the order they were
// first written and any type of value, for checks the file store cannot
// show (number values, exact bytes, value order).
#pragma once

#include "Registry_Store.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class Memory_Store final : public Registry::Store {
public:
    struct Value {
        Registry::Value_Type type;
        std::string data; // as stored: text with its terminator
    };
    using Key = std::vector<std::pair<std::string, Value>>;

    std::optional<Registry::Key_Handle> Open_Key(std::string_view key_path,
                                                 Registry::Access access) override;
    Registry::Query_Result Query_Value(Registry::Key_Handle key, std::string_view value_name,
                                       std::size_t capacity) override;
    std::optional<Registry::Key_Handle> Create_Key(std::string_view key_path) override;
    bool Delete_Key(std::string_view key_path) override;
    bool Set_Value(Registry::Key_Handle key, std::string_view value_name, Registry::Value_Type type,
                   std::string_view data) override;
    bool Close_Key(Registry::Key_Handle key) override;

    // Seeding and inspection, by key path without a trailing separator.
    void Put(const std::string& key_path, const std::string& name, Registry::Value_Type type,
             std::string data);
    void Put_Text(const std::string& key_path, const std::string& name, const std::string& text);
    const Value* Find(const std::string& key_path, const std::string& name) const;
    bool Has_Key(const std::string& key_path) const;
    const Key& Values(const std::string& key_path) const;
    std::size_t Open_Handles() const { return handles_.size(); }

private:
    struct Open_Key_State {
        std::string path;
        Registry::Access access;
    };

    std::map<std::string, Key> keys_;
    std::map<Registry::Key_Handle, Open_Key_State> handles_;
    Registry::Key_Handle next_handle_ = 1;
};
