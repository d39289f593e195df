// SPDX-License-Identifier: MIT
#include "Memory_Store.h"

using namespace Registry;

namespace {

std::string Normalised(std::string_view key_path) {
    while (!key_path.empty() && key_path.back() == '\\')
        key_path.remove_suffix(1);
    return std::string(key_path);
}

Memory_Store::Value* Find_In(Memory_Store::Key& key, std::string_view name) {
    for (auto& [value_name, value] : key)
        if (value_name == name)
            return &value;
    return nullptr;
}

} // namespace

std::optional<Key_Handle> Memory_Store::Open_Key(std::string_view key_path, Access access) {
    const std::string path = Normalised(key_path);
    if (!keys_.contains(path))
        return std::nullopt;
    handles_[next_handle_] = {path, access};
    return next_handle_++;
}

Query_Result Memory_Store::Query_Value(Key_Handle key, std::string_view value_name,
                                       std::size_t capacity) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end())
        return {};
    const Value* value = Find_In(keys_[handle->second.path], value_name);
    if (!value)
        return {Query_Status::Not_Found, Value_Type::Text, {}, 0};
    Query_Result result{Query_Status::More_Data, value->type, {}, value->data.size()};
    if (value->data.size() <= capacity) {
        result.status = Query_Status::Success;
        result.data = value->data;
    }
    return result;
}

std::optional<Key_Handle> Memory_Store::Create_Key(std::string_view key_path) {
    const std::string path = Normalised(key_path);
    keys_[path];
    handles_[next_handle_] = {path, Access::All};
    return next_handle_++;
}

bool Memory_Store::Delete_Key(std::string_view key_path) {
    return keys_.erase(Normalised(key_path)) > 0;
}

bool Memory_Store::Set_Value(Key_Handle key, std::string_view value_name, Value_Type type,
                             std::string_view data) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end() || handle->second.access != Access::All)
        return false;
    if (type == Value_Type::Number32 && data.size() != 4)
        return false;
    Put(handle->second.path, std::string(value_name), type,
        type == Value_Type::Text ? std::string(data) + '\0' : std::string(data));
    return true;
}

bool Memory_Store::Close_Key(Key_Handle key) {
    return handles_.erase(key) > 0;
}

void Memory_Store::Put(const std::string& key_path, const std::string& name, Value_Type type,
                       std::string data) {
    Key& key = keys_[Normalised(key_path)];
    if (Value* value = Find_In(key, name))
        *value = {type, std::move(data)};
    else
        key.emplace_back(name, Value{type, std::move(data)});
}

void Memory_Store::Put_Text(const std::string& key_path, const std::string& name,
                            const std::string& text) {
    Put(key_path, name, Value_Type::Text, text + '\0');
}

const Memory_Store::Value* Memory_Store::Find(const std::string& key_path,
                                              const std::string& name) const {
    const auto key = keys_.find(Normalised(key_path));
    if (key == keys_.end())
        return nullptr;
    for (const auto& [value_name, value] : key->second)
        if (value_name == name)
            return &value;
    return nullptr;
}

bool Memory_Store::Has_Key(const std::string& key_path) const {
    return keys_.contains(Normalised(key_path));
}

const Memory_Store::Key& Memory_Store::Values(const std::string& key_path) const {
    static const Key none;
    const auto key = keys_.find(Normalised(key_path));
    return key == keys_.end() ? none : key->second;
}
