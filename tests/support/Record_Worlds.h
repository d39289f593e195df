// SPDX-License-Identifier: MIT
// The version record's two worlds: the user's real settings (the test's own
// folder, or its own registry key on Windows) and the in-memory store, whose
// open handles are counted. Each wraps its store in a Faulty_Store that
// records the calls.
#pragma once

#include "Expected_Record.h"
#include "Faulty_Store.h"
#include "Memory_Store.h"
#include "Registry.h"
#include "Settings_Store.h"
#include "Test_Environment.h"
#include "User_Settings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class Settings_World {
public:
    Settings_World() { User_Settings::Remove_All(); }
    ~Settings_World() { User_Settings::Remove_All(); }
    void Seed(const std::string& name, const char* text) {
        User_Settings::Seed({{name.c_str(), QString::fromUtf8(text)}});
    }
    std::string Text_Of(const std::string& name) const {
        return User_Settings::Has(name.c_str())
                   ? User_Settings::Value(name.c_str()).toString().toStdString()
                   : "<no text>";
    }
    std::vector<std::string> Stored_Names() const {
        std::vector<std::string> names;
        for (const QString& name : User_Settings::Open()->allKeys())
            names.push_back(name.toStdString());
        return names;
    }
    // A key with a sub-key cannot be deleted, as in the registry.
    void Refuse_Deletion() {}

    Registry::Settings_Store inner;
    Faulty_Store store{inner};
};

class Memory_World {
public:
    ~Memory_World() { EXPECT_EQ(inner.Open_Handles(), 0u) << "a key was left open"; }
    void Seed(const std::string& name, const char* text) { inner.Put_Text(Record_Key, name, text); }
    std::string Text_Of(const std::string& name) const {
        const Memory_Store::Value* value = inner.Find(Record_Key, name);
        if (!value || value->type != Registry::Value_Type::Text || value->data.empty())
            return "<no text>";
        return value->data.substr(0, value->data.size() - 1);
    }
    std::vector<std::string> Stored_Names() const {
        std::vector<std::string> names;
        for (const auto& [name, value] : inner.Values(Record_Key))
            names.push_back(name);
        return names;
    }
    void Refuse_Deletion() { store.fail_delete = true; }

    Memory_Store inner;
    Faulty_Store store{inner};
};

template <typename World> class Record_Test : public testing::Test {
protected:
    void SetUp() override { Test_Environment::Clear_Messages(); }
    std::string Check() { return Registry::Check_Version_Record(world.store); }
    void Expect_Full_Record() const {
        for (const auto& [name, text] : Expected_Record)
            EXPECT_EQ(world.Text_Of(name), text) << name;
    }

    World world;
};
