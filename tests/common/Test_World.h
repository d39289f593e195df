// SPDX-License-Identifier: MIT
// A throw-away world for one run of Tessaly's code: a temporary root holding
// a home folder, the program's folder for the log and a runtime folder, so
// that the version record, the settings and the error log never reach the
// real user's files. The tests, the fault probe's worlds, the screenshot
// tools and the benchmarks all start from here.
//
// Either it is entered (the variables set in this process, before the
// QApplication exists) or handed to a child as its environment.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <map>
#include <string>

class Test_World {
public:
    enum class Xdg {
        Folders,   // XDG_CONFIG_HOME and its kin set, their folders made
        Home_Only, // XDG_* unset but XDG_RUNTIME_DIR: the home-derived defaults apply
    };

    // Makes /tmp/<prefix>-XXXXXX (in the temporary folder on Windows) with
    // home/, program/ and runtime/ (0700).
    explicit Test_World(Xdg xdg = Xdg::Folders, const char* prefix = "tessaly-world");
    ~Test_World();
    Test_World(const Test_World&) = delete;
    Test_World& operator=(const Test_World&) = delete;

    QString Root() const { return root_; }
    QString Home() const { return root_ + QStringLiteral("/home"); }
    QString Program_Folder() const { return root_ + QStringLiteral("/program"); }
    QString Runtime_Folder() const { return root_ + QStringLiteral("/runtime"); }
    // Where the settings store and the log's fallback live under the home
    // folder, as both settings of `Xdg` place them.
    QString Settings_File() const {
        return Home() + QStringLiteral("/.config/Harrowmere/Tessaly.conf");
    }
    QString Fallback_Folder() const {
        return Home() + QStringLiteral("/.local/share/Harrowmere/Tessaly");
    }
    QString Program_Log() const {
        return Program_Folder() + QStringLiteral("/Application Log.txt");
    }
    QString Fallback_Log() const {
        return Fallback_Folder() + QStringLiteral("/Application Log.txt");
    }

    // HOME and XDG_*: the value to set, or the empty text for one to unset.
    std::map<std::string, std::string> Variables() const;

    // Sets the variables in this process. Call before the QApplication exists.
    void Enter() const;
    // This process's environment with the variables applied, for a child.
    QProcessEnvironment Child_Environment() const;

    // Makes the log's folders and points the error log at them. Call once
    // the QApplication exists.
    void Point_Log_Here() const;

private:
    QString root_;
    Xdg xdg_;
};

// base/stem-<a fresh UUID>, a path no other test uses; nothing is made.
QString Unique_Path(const QString& base, const QString& stem);
