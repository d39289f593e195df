// SPDX-License-Identifier: MIT
#include "Fault_Scenario.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

QStringList Probe_Report::Values(const QString& name) const {
    QStringList values = lines.values(name);
    std::reverse(values.begin(), values.end()); // QMultiMap gives the latest first
    return values;
}

Probe_Report Probe_Report::Parse(const QByteArray& output) {
    Probe_Report report;
    for (const QByteArray& line : output.split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            report.lines.insert(QString::fromUtf8(line.left(tab)),
                                QString::fromUtf8(line.mid(tab + 1)));
    }
    return report;
}

std::string Describe(const Probe_Report& report) {
    std::string text = "started " + std::to_string(report.started) + ", in time " +
                       std::to_string(report.finished_in_time) + ", crashed " +
                       std::to_string(report.crashed) + ", exit code " +
                       std::to_string(report.exit_code) + "\n";
    return text + report.errors.toStdString();
}

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

// A desktop session always has a session bus. Without one, libdbus would
// start its own for a program on an X display (through dbus-launch, where
// dbus-x11 is installed) and leave the bus's address in the home folder: a
// write of the platform's that no user's session ever sees. Each run gets a
// bus of its own instead. Without dbus-run-session the run would prove less
// than it claims, so a missing one fails the run instead of going unnoticed.
QString Dbus_Run_Session() {
    return QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
}

bool Runs_As_Probe_User(const QStringList& command) {
    if (Setpriv().isEmpty())
        return false;
    QProcess process;
    process.start(Setpriv(), Drop_To_Probe_User() + command);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The probe user must reach the probe along its whole path, which a checkout
// in a private folder (a home of mode 0700, say) does not let it: it runs a
// copy in a folder of its own, one per test program. The same goes for the
// leak suppressions that a sanitized build reads when the probe ends.
class Probe_Copy {
public:
    Probe_Copy() {
        std::string pattern = "/tmp/tessaly-probe-XXXXXX";
        if (!mkdtemp(pattern.data()))
            return;
        folder_ = pattern;
        chmod(folder_.c_str(), 0755);
        const fs::path copy = Copy_In(TESSALY_FAULT_PROBE);
        if (!copy.empty())
            path_ = QString::fromStdString(copy.string());
        Copy_Suppressions();
    }
    ~Probe_Copy() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    Probe_Copy(const Probe_Copy&) = delete;
    Probe_Copy& operator=(const Probe_Copy&) = delete;
    QString Path() const { return path_; }
    // LSAN_OPTIONS with its suppressions file replaced by the copy; the empty
    // text when this process has none.
    QString Leak_Options() const { return leak_options_; }

private:
    fs::path Copy_In(const fs::path& file) {
        const fs::path copy = folder_ / file.filename();
        std::error_code error;
        fs::copy_file(file, copy, fs::copy_options::overwrite_existing, error);
        chmod(copy.c_str(), 0755);
        return error ? fs::path() : copy;
    }
    void Copy_Suppressions() {
        const QString options = qEnvironmentVariable("LSAN_OPTIONS");
        static const QRegularExpression named(QStringLiteral("suppressions=([^:]+)"));
        const auto match = named.match(options);
        if (!match.hasMatch()) {
            leak_options_ = options;
            return;
        }
        const fs::path copy = Copy_In(match.captured(1).toStdString());
        leak_options_ = QString(options).replace(match.capturedStart(1), match.capturedLength(1),
                                                 QString::fromStdString(copy.string()));
    }

    fs::path folder_;
    QString path_;
    QString leak_options_;
};

const Probe_Copy& Copied_Probe() {
    static const Probe_Copy copy;
    return copy;
}

QString Probe_Program() {
    if (!Running_As_Root())
        return QStringLiteral(TESSALY_FAULT_PROBE);
    return Copied_Probe().Path();
}

void Give_To_Probe_User(const QString& root) {
    const fs::path base(QFile::encodeName(root).toStdString());
    [[maybe_unused]] int ignored = lchown(base.c_str(), Probe_User, Probe_Group);
    std::error_code error;
    for (fs::recursive_directory_iterator walk(base, error);
         !error && walk != fs::recursive_directory_iterator(); walk.increment(error))
        ignored = lchown(walk->path().c_str(), Probe_User, Probe_Group);
}

} // namespace

Fault_Scenario::Fault_Scenario() : Test_World(Xdg::Home_Only, "tessaly-faults") {
    Set_Mode(Root(), 0755); // the probe user must reach its world
}

bool Fault_Scenario::Permissions_Apply() {
    if (!Running_As_Root())
        return true;
    static const bool can_drop = Runs_As_Probe_User({QStringLiteral("true")});
    return can_drop;
}

QString Fault_Scenario::Probe_Unreachable() {
    if (!Running_As_Root() || !Permissions_Apply())
        return {};
    if (Probe_Program().isEmpty())
        return QStringLiteral("cannot copy the probe to /tmp, where the user nobody could run it");
    if (!Runs_As_Probe_User({QStringLiteral("test"), QStringLiteral("-x"), Probe_Program()}))
        return QStringLiteral("the user nobody cannot run the probe's copy ") + Probe_Program();
    return {};
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
    const QString file = Root() + QStringLiteral("/screens.json");
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

// The probe, inside an X server of its own when asked, with a session bus of
// its own, as the probe user when this process is root.
QStringList Fault_Scenario::Command() const {
    QStringList command{Probe_Program(), Program_Folder()};
    if (x_server_)
        command = QStringList{Xvfb_Run(), QStringLiteral("--auto-servernum"),
                              QStringLiteral("--server-args=-screen 0 %1x%2x24")
                                  .arg(screen_->width())
                                  .arg(screen_->height())} +
                  command;
    command = QStringList{Dbus_Run_Session(), QStringLiteral("--")} + command;
    if (Running_As_Root())
        command = QStringList{Setpriv()} + Drop_To_Probe_User() + command;
    return command;
}

Probe_Report Fault_Scenario::Run_Probe() {
    if (Dbus_Run_Session().isEmpty()) {
        Probe_Report report;
        report.errors = "dbus-run-session not found: install Debian's dbus-daemon "
                        "(scripts/packages.sh lists it)";
        return report;
    }
    const QString platform = Platform();
    if (Running_As_Root())
        Give_To_Probe_User(Root());
    const QStringList skipped{QStringLiteral("runtime")};
    const File_Snapshot::Snapshot before = File_Snapshot::Take(Root(), skipped);

    QProcessEnvironment environment = Child_Environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    if (Running_As_Root() && !Copied_Probe().Leak_Options().isEmpty())
        environment.insert(QStringLiteral("LSAN_OPTIONS"), Copied_Probe().Leak_Options());

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(Root()); // a stray write to the working folder shows up too
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
    changed_ = File_Snapshot::Changed_Paths(before, File_Snapshot::Take(Root(), skipped));
    return report;
}
