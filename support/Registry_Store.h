// SPDX-License-Identifier: MIT
// The per-user settings store the version record lives in, reduced to the six
// operations the record needs. Keys are addressed by registry-style paths
// ("Software\Harrowmere\Tessaly"; a trailing "\" names the same key).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace Registry {

enum class Value_Type {
    Text,     // stored as its bytes and one terminating zero byte
    Number32, // stored as 4 bytes, least significant first
    Other,    // anything else, in the store's own form
};

enum class Access {
    Query, // read values only
    All,   // read and write values
};

enum class Query_Status {
    Success,
    More_Data, // the value is larger than the buffer offered
    Not_Found,
    Failed,
};

struct Query_Result {
    Query_Status status = Query_Status::Failed;
    Value_Type type = Value_Type::Text;
    std::string data;            // the value's bytes; filled on Success only
    std::size_t stored_size = 0; // size of the stored value; 0 when not found
};

using Key_Handle = int;

class Store {
public:
    virtual ~Store() = default;

    // Opens an existing key; nothing when it does not exist or cannot be
    // opened with that access.
    virtual std::optional<Key_Handle> Open_Key(std::string_view key_path, Access access) = 0;

    // Reads a value into a buffer of `capacity` bytes. A capacity of 0 only
    // learns the stored size.
    virtual Query_Result Query_Value(Key_Handle key, std::string_view value_name,
                                     std::size_t capacity) = 0;

    // Creates a key, or opens it when it exists, with full access.
    virtual std::optional<Key_Handle> Create_Key(std::string_view key_path) = 0;

    // Removes a key with its values; true when it is gone.
    virtual bool Delete_Key(std::string_view key_path) = 0;

    // Writes a value of the given type. Text data comes without its
    // terminator; the store adds it.
    virtual bool Set_Value(Key_Handle key, std::string_view value_name, Value_Type type,
                           std::string_view data) = 0;

    // Closes a key; false when what it holds cannot be saved.
    virtual bool Close_Key(Key_Handle key) = 0;
};

} // namespace Registry
