// SPDX-License-Identifier: MIT
// Folders that no file can be created in, also for tests running as root,
// whom file permissions do not stop.
#pragma once

#include <QString>

namespace Unwritable_Folder {

// True when a folder without write permission keeps this process out.
bool Permissions_Stop_Writes(const QString& scratch_folder);

// A folder path under `base` that no file can be created in: a read-only
// folder where permissions stop this process, otherwise a folder path whose
// parent is a regular file.
QString Make(const QString& base);

} // namespace Unwritable_Folder
