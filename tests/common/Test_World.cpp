// SPDX-License-Identifier: MIT
#include "Test_World.h"

#include "Error_Logging.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// Folders a test made read-only must be opened again for the clean-up; each
// is opened before the walk enters it. Links are not followed.
void Open_Folders(const QString& root) {
    const auto open = [](const fs::path& path) {
        std::error_code error;
        if (fs::symlink_status(path, error).type() == fs::file_type::directory)
            fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, error);
    };
    const fs::path base(root.toStdWString());
    open(base);
    std::error_code error;
    for (fs::recursive_directory_iterator walk(base, error);
         !error && walk != fs::recursive_directory_iterator(); walk.increment(error))
        open(walk->path());
}

// The system's temporary folder. On POSIX systems always /tmp, whatever
// TMPDIR says: the fault probes enter worlds as another user, who must be
// able to reach them.
QString Temporary_Folder() {
#ifdef Q_OS_WIN
    return QDir::tempPath();
#else
    return QStringLiteral("/tmp");
#endif
}

} // namespace

Test_World::Test_World(Xdg xdg, const char* prefix) : xdg_(xdg) {
    QTemporaryDir made(Temporary_Folder() + QLatin1Char('/') + QLatin1String(prefix) +
                       QStringLiteral("-XXXXXX"));
    if (!made.isValid()) { // without its own root a world would land on the real files
        std::fprintf(stderr, "cannot make a temporary folder: %s\n",
                     qPrintable(made.errorString()));
        std::abort();
    }
    made.setAutoRemove(false);
    root_ = made.path();
    for (const QString& folder : {Home(), Program_Folder(), Runtime_Folder()})
        QDir().mkpath(folder);
    QFile::setPermissions(Runtime_Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (xdg_ == Xdg::Folders)
        for (const auto& [name, value] : Variables())
            QDir().mkpath(QString::fromStdString(value));
}

Test_World::~Test_World() {
    Open_Folders(root_);
    QDir(root_).removeRecursively();
}

std::map<std::string, std::string> Test_World::Variables() const {
    const std::string home = QFile::encodeName(Home()).toStdString();
    const bool folders = xdg_ == Xdg::Folders;
    return {
        {"HOME", home},
        {"XDG_CONFIG_HOME", folders ? home + "/.config" : std::string()},
        {"XDG_DATA_HOME", folders ? home + "/.local/share" : std::string()},
        {"XDG_CACHE_HOME", folders ? home + "/.cache" : std::string()},
        {"XDG_STATE_HOME", folders ? home + "/.local/state" : std::string()},
        {"XDG_RUNTIME_DIR", QFile::encodeName(Runtime_Folder()).toStdString()},
    };
}

void Test_World::Enter() const {
    for (const auto& [name, value] : Variables()) {
        if (value.empty())
            qunsetenv(name.c_str());
        else
            qputenv(name.c_str(), QByteArray::fromStdString(value));
    }
}

QProcessEnvironment Test_World::Child_Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : Variables()) {
        if (value.empty())
            environment.remove(QString::fromStdString(name));
        else
            environment.insert(QString::fromStdString(name), QString::fromStdString(value));
    }
    return environment;
}

void Test_World::Point_Log_Here() const {
    QDir().mkpath(Program_Folder());
    QDir().mkpath(Fallback_Folder());
    Error_Logging::Set_Log_Folders(Program_Folder(), Fallback_Folder());
}

QString Unique_Path(const QString& base, const QString& stem) {
    return base + QLatin1Char('/') + stem + QLatin1Char('-') +
           QUuid::createUuid().toString(QUuid::WithoutBraces);
}
