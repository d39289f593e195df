// SPDX-License-Identifier: MIT
// Wraps another store, records every call and fails chosen operations on
// purpose.
#pragma once

#include "Registry_Store.h"

#include <set>
#include <string>
#include <vector>

class Faulty_Store final : public Registry::Store {
public:
    explicit Faulty_Store(Registry::Store& inner) : inner_(inner) {}

    bool fail_open_for_query = false;
    bool fail_open_for_all = false;
    bool fail_create = false;
    bool fail_delete = false;
    bool fail_set = false;
    bool fail_close = false;       // the key is still released
    std::set<int> failing_queries; // 1-based numbers of the queries that fail

    // "Open_Key Query <path>", "Query_Value <name> <capacity>", "Create_Key <path>",
    // "Delete_Key <path>", "Set_Value <name>", "Close_Key".
    std::vector<std::string> calls;

    // The calls whose text starts with the operation's name.
    std::vector<std::string> Calls_Of(const std::string& operation) const;
    // The value names of the Set_Value calls, in order.
    std::vector<std::string> Written_Names() const;

    std::optional<Registry::Key_Handle> Open_Key(std::string_view key_path,
                                                 Registry::Access access) override;
    Registry::Query_Result Query_Value(Registry::Key_Handle key, std::string_view value_name,
                                       std::size_t capacity) override;
    std::optional<Registry::Key_Handle> Create_Key(std::string_view key_path) override;
    bool Delete_Key(std::string_view key_path) override;
    bool Set_Value(Registry::Key_Handle key, std::string_view value_name, Registry::Value_Type type,
                   std::string_view data) override;
    bool Close_Key(Registry::Key_Handle key) override;

private:
    Registry::Store& inner_;
    int queries_ = 0;
};
