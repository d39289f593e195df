// SPDX-License-Identifier: MIT
// Every file and folder under a root with its kind, size, permissions and
// modification time, to learn what a run of the program wrote.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>

namespace File_Snapshot {

struct Entry {
    char kind = '?'; // 'd' folder, 'f' regular file, 'l' link, 'o' anything else
    std::uintmax_t size = 0;
    std::int64_t modified_ns = 0;
    unsigned permissions = 0;
    bool operator==(const Entry&) const = default;
};

// Keyed by the path relative to the root.
using Snapshot = std::map<QString, Entry>;

// Folders named in `skipped` (relative paths) are left out with their content.
Snapshot Take(const QString& root, const QStringList& skipped = {});

// Paths added, removed or changed between two snapshots, sorted.
QStringList Changed_Paths(const Snapshot& before, const Snapshot& after);

} // namespace File_Snapshot
