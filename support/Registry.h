// SPDX-License-Identifier: MIT
// The version record in the current user's settings store.
#pragma once

#include "Registry_Store.h"

#include <string>

namespace Registry {

// Records, verifies or rebuilds the version record in the user's settings
// store; returns "created", "updated" or "verified". Sets App_Version first.
std::string Check_Version_Record();

// The same check against the given store.
std::string Check_Version_Record(Store& root);

// The running version text ("1.0.24"); empty until the first check.
const std::string& App_Version();

// The text of a value: "Missing" when the key cannot be opened for reading,
// empty text after a failed read (with the message "Error getting Sub_Key
// value."). "Error closing key." when the key cannot be closed.
std::string Get_Key_Value(Store& root, const std::string& key_path, const std::string& value_name);

// Creates or opens the key and writes the seven values of the record, in
// order; failed writes are skipped silently.
void Write_Version_Record(Store& root, const std::string& key_path);

// Removes the key with its values; the outcome is not examined.
void Delete_Key(Store& root, const std::string& key_path);

// Creates the key, or opens it when it exists, and closes it again.
void Create_Key(Store& root, const std::string& key_path);

// Writes a value, keeping the type of a value already there: text as it is,
// a 32-bit number as the text's leading whole number, any other type left
// as it was. True when the write succeeded.
bool Set_Key_Value(Store& root, const std::string& key_path, const std::string& value_name,
                   const std::string& text);

} // namespace Registry
