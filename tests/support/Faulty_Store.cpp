// SPDX-License-Identifier: MIT
#include "Faulty_Store.h"

using namespace Registry;

std::vector<std::string> Faulty_Store::Calls_Of(const std::string& operation) const {
    std::vector<std::string> found;
    for (const std::string& call : calls)
        if (call.starts_with(operation))
            found.push_back(call);
    return found;
}

std::vector<std::string> Faulty_Store::Written_Names() const {
    std::vector<std::string> names;
    for (const std::string& call : Calls_Of("Set_Value "))
        names.push_back(call.substr(std::string("Set_Value ").size()));
    return names;
}

std::optional<Key_Handle> Faulty_Store::Open_Key(std::string_view key_path, Access access) {
    calls.push_back(std::string("Open_Key ") + (access == Access::Query ? "Query " : "All ") +
                    std::string(key_path));
    if (access == Access::Query ? fail_open_for_query : fail_open_for_all)
        return std::nullopt;
    return inner_.Open_Key(key_path, access);
}

Query_Result Faulty_Store::Query_Value(Key_Handle key, std::string_view value_name,
                                       std::size_t capacity) {
    calls.push_back("Query_Value " + std::string(value_name) + " " + std::to_string(capacity));
    if (failing_queries.contains(++queries_))
        return {};
    return inner_.Query_Value(key, value_name, capacity);
}

std::optional<Key_Handle> Faulty_Store::Create_Key(std::string_view key_path) {
    calls.push_back("Create_Key " + std::string(key_path));
    if (fail_create)
        return std::nullopt;
    return inner_.Create_Key(key_path);
}

bool Faulty_Store::Delete_Key(std::string_view key_path) {
    calls.push_back("Delete_Key " + std::string(key_path));
    return !fail_delete && inner_.Delete_Key(key_path);
}

bool Faulty_Store::Set_Value(Key_Handle key, std::string_view value_name, Value_Type type,
                             std::string_view data) {
    calls.push_back("Set_Value " + std::string(value_name));
    return !fail_set && inner_.Set_Value(key, value_name, type, data);
}

bool Faulty_Store::Close_Key(Key_Handle key) {
    calls.push_back("Close_Key");
    const bool closed = inner_.Close_Key(key);
    return closed && !fail_close;
}
