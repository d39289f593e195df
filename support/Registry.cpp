// SPDX-License-Identifier: MIT
#include "Registry.h"

#include "AppNotes.h"
#include "App_Identity.h"
#include "Leading_Number.h"
#include "Message_Box.h"
#include "Settings_Store.h"

#include <array>
#include <utility>

namespace Registry {
namespace {

std::string& Version_Slot() {
    static std::string version;
    return version;
}

std::string& Key_Slot() {
    static std::string key;
    return key;
}

// Existing values are probed with a buffer of this size to learn their type.
constexpr std::size_t Probe_Size = 1024;

using Record_Value = std::pair<const char*, std::string>;

std::array<Record_Value, 7> Record_Values() {
    return {{
        {"Title", App_Identity::Title},
        {"CompanyName", App_Identity::Company_Name},
        {"Comments", App_Identity::Comments},
        {"FileDescription", App_Identity::File_Description},
        {"LegalCopyright", AppNotes::Licence_Notice},
        {"Version", App_Version()},
        {"Compiled", AppNotes::Compile_Date},
    }};
}

std::string Number_Bytes(std::int32_t number) {
    const auto bits = static_cast<std::uint32_t>(number);
    std::string bytes(4, '\0');
    for (std::size_t i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

// A value of another type than text or number keeps its content: it is
// written back exactly as the probe found it.
std::string Data_For(const Query_Result& probe, Value_Type type, const std::string& text) {
    switch (type) {
    case Value_Type::Text:
        return text;
    case Value_Type::Number32:
        return Number_Bytes(Leading_Whole_Number(text));
    case Value_Type::Other:
        break;
    }
    return probe.data;
}

} // namespace

std::string Check_Version_Record() {
    Settings_Store store;
    return Check_Version_Record(store);
}

std::string Check_Version_Record(Store& root) {
    Version_Slot() = App_Identity::Version_Text();
    // Appended, not added: GCC 12 at -O2 warns of a bound the sum's move
    // cannot break (-Warray-bounds) once it sees the title's length.
    Key_Slot() = "Software\\Harrowmere\\";
    Key_Slot() += App_Identity::Title;
    const std::string stored = Get_Key_Value(root, Key_Slot(), "Version");
    if (stored == "Missing") {
        Write_Version_Record(root, Key_Slot());
        return "created";
    }
    if (stored == App_Version())
        return "verified";
    Delete_Key(root, Key_Slot());
    Write_Version_Record(root, Key_Slot());
    return "updated";
}

const std::string& App_Version() {
    return Version_Slot();
}

std::string Get_Key_Value(Store& root, const std::string& key_path, const std::string& value_name) {
    const auto key = root.Open_Key(key_path, Access::Query);
    if (!key)
        return "Missing";
    const Query_Result probe = root.Query_Value(*key, value_name, 0);
    const bool sized =
        probe.status == Query_Status::Success || probe.status == Query_Status::More_Data;
    const std::size_t size = sized ? probe.stored_size : 0;
    const Query_Result read = root.Query_Value(*key, value_name, size);
    std::string result;
    if (read.status != Query_Status::Success) {
        Message_Box::Show(QStringLiteral("Error getting Sub_Key value."));
    } else if (!read.data.empty()) {
        // The stored text ends in its terminator.
        result = read.data.substr(0, read.data.size() - 1);
    }
    if (!root.Close_Key(*key))
        Message_Box::Show(QStringLiteral("Error closing key."));
    return result;
}

void Write_Version_Record(Store& root, const std::string& key_path) {
    Create_Key(root, key_path);
    for (const auto& [name, text] : Record_Values())
        Set_Key_Value(root, key_path + "\\", name, text);
}

void Delete_Key(Store& root, const std::string& key_path) {
    root.Delete_Key(key_path);
}

void Create_Key(Store& root, const std::string& key_path) {
    if (const auto key = root.Create_Key(key_path))
        root.Close_Key(*key);
}

bool Set_Key_Value(Store& root, const std::string& key_path, const std::string& value_name,
                   const std::string& text) {
    const auto key = root.Open_Key(key_path, Access::All);
    if (!key)
        return false;
    const Query_Result probe = root.Query_Value(*key, value_name, Probe_Size);
    if (probe.status != Query_Status::Success && probe.status != Query_Status::Not_Found) {
        root.Close_Key(*key);
        return false;
    }
    const Value_Type type = probe.status == Query_Status::Not_Found ? Value_Type::Text : probe.type;
    std::string data;
    try {
        data = Data_For(probe, type, text);
    } catch (...) {
        // A text whose number does not fit fails to the caller, key closed.
        root.Close_Key(*key);
        throw;
    }
    const bool written = root.Set_Value(*key, value_name, type, data);
    root.Close_Key(*key);
    return written;
}

} // namespace Registry
