// SPDX-License-Identifier: MIT
#include "File_Snapshot.h"

#include <filesystem>
#include <optional>
#include <set>
#include <sys/stat.h>

namespace File_Snapshot {
namespace {

namespace fs = std::filesystem;

std::optional<Entry> Entry_Of(const fs::path& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0)
        return std::nullopt;
    Entry entry;
    entry.kind = S_ISDIR(status.st_mode)   ? 'd'
                 : S_ISREG(status.st_mode) ? 'f'
                 : S_ISLNK(status.st_mode) ? 'l'
                                           : 'o';
    entry.size = S_ISREG(status.st_mode) ? static_cast<std::uintmax_t>(status.st_size) : 0;
    entry.modified_ns =
        std::int64_t(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    entry.permissions = status.st_mode & 07777;
    return entry;
}

} // namespace

Snapshot Take(const QString& root, const QStringList& skipped) {
    Snapshot snapshot;
    const fs::path base(root.toStdString());
    std::error_code error;
    fs::recursive_directory_iterator walk(base, fs::directory_options::skip_permission_denied,
                                          error);
    for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error)) {
        const QString relative =
            QString::fromStdString(walk->path().lexically_relative(base).generic_string());
        if (skipped.contains(relative)) {
            walk.disable_recursion_pending();
            continue;
        }
        if (const auto entry = Entry_Of(walk->path()))
            snapshot[relative] = *entry;
    }
    if (const auto entry = Entry_Of(base))
        snapshot[QStringLiteral(".")] = *entry;
    return snapshot;
}

QStringList Changed_Paths(const Snapshot& before, const Snapshot& after) {
    std::set<QString> changed;
    for (const auto& [path, entry] : before) {
        const auto found = after.find(path);
        if (found == after.end() || !(found->second == entry))
            changed.insert(path);
    }
    for (const auto& [path, entry] : after)
        if (!before.contains(path))
            changed.insert(path);
    return QStringList(changed.begin(), changed.end());
}

} // namespace File_Snapshot
