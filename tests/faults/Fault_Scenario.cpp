// SPDX-License-Identifier: MIT
#include "Fault_Scenario.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The unprivileged account every Debian system has.
constexpr uid_t Probe_User = 65534;  // nobody
constexpr gid_t Probe_Group = 65534; // nogroup

// A hung probe (a box waiting for a click, a loop) ends the run here instead
// of at ctest's time-out (120 s for the test, which may start two probes),
// with its output kept.
constexpr int Longest_Run_Ms = 50'000;

bool Running_As_Root() {
    return geteuid() == 0;
}

QStringList Drop_To_Probe_User() {
    return {QStringLiteral("--reuid=%1").arg(Probe_User),
            QStringLiteral("--regid=%1").arg(Probe_Group), QStringLiteral("--clear-groups"),
            QStringLiteral("--")};
}

QString Xvfb_Run() {
    return QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
}

QString Setpriv() {
    return QStandardPaths::findExecutable(QStringLiteral("setpriv"));
}

bool Can_Run_As_Probe_User() {
    if (Setpriv().isEmpty())
        return false;
    QProcess process;
    process.start(Setpriv(), Drop_To_Probe_User() << QStringLiteral("true"));
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

void For_Each_Entry(const QString& root, void (*action)(const char* path)) {
    const fs::path base(root.toStdString());
    action(base.c_str());
    std::error_code error;
    for (fs::recursive_directory_iterator walk(base, error);
         !error && walk != fs::recursive_directory_iterator(); walk.increment(error))
        action(walk->path().c_str());
}

void Give_To_Probe_User(const char* path) {
    [[maybe_unused]] const int ignored = lchown(path, Probe_User, Probe_Group);
}

// Folders a test made read-only must be opened again for the clean-up.
void Open_Folder(const char* path) {
    struct stat status {};
    if (lstat(path, &status) == 0 && S_ISDIR(status.st_mode))
        chmod(path, (status.st_mode & 07777) | S_IRWXU);
}

} // namespace

Fault_Scenario::Fault_Scenario() {
    std::string pattern = "/tmp/tessaly-faults-XXXXXX";
    if (const char* made = mkdtemp(pattern.data()))
        root_ = QString::fromLocal8Bit(made);
    chmod(pattern.c_str(), 0755); // the probe user must reach its world
    Make_Folder(Home());
    Make_Folder(Program_Folder());
    Make_Folder(root_ + QStringLiteral("/runtime"));
    Set_Mode(root_ + QStringLiteral("/runtime"), 0700);
}

Fault_Scenario::~Fault_Scenario() {
    if (!root_.startsWith(QStringLiteral("/tmp/tessaly-faults-")))
        return;
    For_Each_Entry(root_, Open_Folder); // each folder is opened before the walk enters it
    QDir(root_).removeRecursively();
}

bool Fault_Scenario::Permissions_Apply() {
    if (!Running_As_Root())
        return true;
    static const bool can_drop = Can_Run_As_Probe_User();
    return can_drop;
}

QString Fault_Scenario::Settings_File() const {
    return Home() + QStringLiteral("/.config/Harrowmere/Tessaly.conf");
}

QString Fault_Scenario::Fallback_Folder() const {
    return Home() + QStringLiteral("/.local/share/Harrowmere/Tessaly");
}

void Fault_Scenario::Write_File(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

void Fault_Scenario::Make_Folder(const QString& path) {
    QDir().mkpath(path);
}

void Fault_Scenario::Set_Mode(const QString& path, unsigned mode) {
    chmod(QFile::encodeName(path).constData(), mode);
}

void Fault_Scenario::Use_Screen(QSize size) {
    screen_ = size;
    x_server_ = false;
}

void Fault_Scenario::Use_X_Server(QSize size) {
    screen_ = size;
    x_server_ = true;
}

bool Fault_Scenario::X_Server_Available() {
    return !Xvfb_Run().isEmpty();
}

// The offscreen platform reads its screens from a file named in the
// platform's options.
QString Fault_Scenario::Platform() const {
    if (x_server_)
        return QStringLiteral("xcb");
    if (!screen_)
        return QStringLiteral("offscreen");
    const QString file = root_ + QStringLiteral("/screens.json");
    const QString screens =
        QStringLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": %1,)"
                       R"( "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
            .arg(screen_->width())
            .arg(screen_->height());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(screens.toUtf8());
    return QStringLiteral("offscreen:configfile=") + file;
}

// The probe, inside an X server of its own when asked, as the probe user when
// this process is root.
QStringList Fault_Scenario::Command() const {
    QStringList command{QStringLiteral(TESSALY_FAULT_PROBE), Program_Folder()};
    if (x_server_)
        command = QStringList{Xvfb_Run(), QStringLiteral("--auto-servernum"),
                              QStringLiteral("--server-args=-screen 0 %1x%2x24")
                                  .arg(screen_->width())
                                  .arg(screen_->height())} +
                  command;
    if (Running_As_Root())
        command = QStringList{Setpriv()} + Drop_To_Probe_User() + command;
    return command;
}

void Fault_Scenario::Hand_Over_To_Probe_User() {
    if (Running_As_Root())
        For_Each_Entry(root_, Give_To_Probe_User);
}

Probe_Report Fault_Scenario::Run_Probe() {
    const QString platform = Platform();
    Hand_Over_To_Probe_User();
    const QStringList skipped{QStringLiteral("runtime")};
    const File_Snapshot::Snapshot before = File_Snapshot::Take(root_, skipped);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("HOME"), Home());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), root_ + QStringLiteral("/runtime"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(root_); // a stray write to the working folder shows up too
    QStringList command = Command();
    process.start(command.takeFirst(), command);

    const bool started = process.waitForStarted();
    const bool in_time = started && process.waitForFinished(Longest_Run_Ms);
    if (started && !in_time) {
        process.kill();
        process.waitForFinished();
    }
    Probe_Report report = Probe_Report::Parse(process.readAllStandardOutput());
    report.started = started;
    report.finished_in_time = in_time;
    report.errors = process.readAllStandardError();
    report.crashed = process.exitStatus() == QProcess::CrashExit;
    report.exit_code = process.exitCode();
    changed_ = File_Snapshot::Changed_Paths(before, File_Snapshot::Take(root_, skipped));
    return report;
}
