// SPDX-License-Identifier: MIT
#include "Registry.h"

#include "App_Identity.h"

namespace Registry {
namespace {
std::string& Version_Slot() {
    static std::string version;
    return version;
}
} // namespace

std::string Check_Version_Record() {
    Version_Slot() = App_Identity::Version_Text();
    return "verified";
}

const std::string& App_Version() { return Version_Slot(); }

} // namespace Registry
