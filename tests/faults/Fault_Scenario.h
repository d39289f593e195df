// SPDX-License-Identifier: MIT
// A throw-away world for one start of Tessaly: a home folder, the program's
// folder and a screen, which a test spoils before the fault probe runs in it.
//
// Run as root, whom permissions do not stop, the probe runs as the user
// "nobody" (through setpriv), and the whole world is handed to that user, so
// that a read-only folder or an unreadable file really keeps it out.
#pragma once

#include "File_Snapshot.h"
#include "Probe_Report.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

class Fault_Scenario {
public:
    Fault_Scenario();
    ~Fault_Scenario();
    Fault_Scenario(const Fault_Scenario&) = delete;
    Fault_Scenario& operator=(const Fault_Scenario&) = delete;

    // False when this process is root and cannot run the probe as another
    // user: then permissions stop nothing and a read-only folder proves nothing.
    static bool Permissions_Apply();

    QString Root() const { return root_; }
    QString Home() const { return root_ + QStringLiteral("/home"); }
    QString Program_Folder() const { return root_ + QStringLiteral("/program"); }
    // Where the settings store and the log's fallback live under the home
    // folder (no XDG_* variables are set for the probe).
    QString Settings_File() const;
    QString Fallback_Folder() const;
    QString Program_Log() const {
        return Program_Folder() + QStringLiteral("/Application Log.txt");
    }
    QString Fallback_Log() const {
        return Fallback_Folder() + QStringLiteral("/Application Log.txt");
    }

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
    void Hand_Over_To_Probe_User();

    QString root_;
    std::optional<QSize> screen_;
    bool x_server_ = false;
    QStringList changed_;
};
