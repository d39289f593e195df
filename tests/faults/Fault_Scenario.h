// SPDX-License-Identifier: MIT
// A throw-away world for one start of Tessaly (a Test_World without XDG_*
// variables, so that the home-derived defaults apply) and a screen, which a
// test spoils before the fault probe runs in it; what the probe reported and
// which files its run touched.
//
// Run as root, whom permissions do not stop, the probe runs as the user
// "nobody" (through setpriv), and the whole world is handed to that user, so
// that a read-only folder or an unreadable file really keeps it out.
#pragma once

#include "Test_World.h"

#include <QByteArray>
#include <QMultiMap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

// What one run of the fault probe printed and how it ended.
struct Probe_Report {
    bool started = false;
    bool finished_in_time = false;
    bool crashed = false;
    int exit_code = -1;
    QMultiMap<QString, QString> lines; // "name<TAB>value" lines of standard output
    QByteArray errors;                 // standard error, sanitizer reports included

    // The value of the first line of that name, empty when there is none.
    QString Value(const QString& name) const { return lines.value(name); }
    // Every value of that name, in the order printed.
    QStringList Values(const QString& name) const;

    static Probe_Report Parse(const QByteArray& output);
};

// For failure messages: how the run ended and what it wrote to standard error.
std::string Describe(const Probe_Report& report);

// Every file and folder under a root with its kind, size, permissions and
// modification time, to learn what a run of the program wrote.
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

class Fault_Scenario : public Test_World {
public:
    Fault_Scenario();

    // False when this process is root and cannot run the probe as another
    // user: then permissions stop nothing and a read-only folder proves nothing.
    static bool Permissions_Apply();
    // Why the probe cannot run at all here, or the empty text.
    static QString Probe_Unreachable();

    void Write_File(const QString& path, const QByteArray& content);
    void Make_Folder(const QString& path);
    // Mode bits as chmod takes them; 0555 for a read-only folder.
    void Set_Mode(const QString& path, unsigned mode);
    // The next run shows a single screen of this size: the offscreen
    // platform's, or an X server's (Xvfb) with Qt's xcb platform.
    void Use_Screen(QSize size);
    void Use_X_Server(QSize size);
    static bool X_Server_Available();

    // Starts the probe in this world, waits for its end and returns what it
    // reported; `changed` then lists the paths under Root() that the run
    // added, removed or altered.
    Probe_Report Run_Probe();
    QStringList Changed_Paths() const { return changed_; }

private:
    QString Platform() const;
    QStringList Command() const;

    std::optional<QSize> screen_;
    bool x_server_ = false;
    QStringList changed_;
};
