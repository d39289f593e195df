// SPDX-License-Identifier: MIT
#include "Error_Logging.h"

#include "Runtime_Services.h"
#include "Time_Stamp.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QScopeGuard>
#include <QStandardPaths>

#include <functional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace Error_Logging {
namespace {

constexpr QLatin1String Log_File_Name("Application Log.txt");

struct Log_Folders {
    QString program;
    QString fallback;
    bool chosen_by_caller = false;
};

Log_Folders& Folders() {
    static Log_Folders folders;
    return folders;
}

QString Program_Folder() {
    if (Folders().chosen_by_caller)
        return Folders().program;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                        : QDir::currentPath();
}

QString Fallback_Folder() {
    if (Folders().chosen_by_caller)
        return Folders().fallback;
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

// The entry is made once the file is open (and on Windows locked), so that
// its time stamp is never earlier than the write it heads, however long the
// wait for the lock.
using Entry_Maker = std::function<QByteArray()>;

// One write of the whole line at the end of the file, so that two programs
// appending at once never lose or split a line.
#ifdef Q_OS_WIN
// Qt's append mode seeks to the end once, when the file opens, and even an
// append-only handle is not atomic everywhere (Wine's is not): two programs
// could each write where they found the end. A lock on one byte far past
// any real end serialises the writers without keeping readers out.
bool Append_Entry(const QString& path, const Entry_Maker& make_entry) {
    const HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                    GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    OVERLAPPED writers_lock{};
    writers_lock.OffsetHigh = 0x7FFFFFFF;
    const bool locked = LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &writers_lock);
    const auto release = qScopeGuard([&] {
        if (locked)
            UnlockFileEx(file, 0, 1, 0, &writers_lock);
        CloseHandle(file);
    });
    const QByteArray bytes = make_entry();
    DWORD written = 0;
    return SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_END) &&
           WriteFile(file, bytes.constData(), DWORD(bytes.size()), &written, nullptr) &&
           written == DWORD(bytes.size());
}
#else
bool Append_Entry(const QString& path, const Entry_Maker& make_entry) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = make_entry();
    return file.write(bytes) == bytes.size();
}
#endif

bool Append_Line(const QString& folder, const QString& source, const QString& procedure,
                 std::int16_t number) {
    if (folder.isEmpty())
        return false;
    const QString after_stamp =
        QStringLiteral("][") + source + QStringLiteral("][") + procedure + QStringLiteral("][") +
        QString::number(number) + QStringLiteral("][") +
        QString::fromStdString(Runtime_Services::Error_Description(number)) +
        QStringLiteral("]\r\n");
    return Append_Entry(folder + QLatin1Char('/') + Log_File_Name, [&] {
        return (QLatin1Char('[') + Time_Stamp(QDateTime::currentDateTime(), QLocale()) +
                after_stamp)
            .toLocal8Bit();
    });
}

} // namespace

void Log_Error(const QString& source, const QString& procedure, std::int16_t number) noexcept {
    try {
        if (Append_Line(Program_Folder(), source, procedure, number))
            return;
        // Installed for all users, the program cannot write beside itself.
        const QString fallback = Fallback_Folder();
        if (!fallback.isEmpty() && QDir().mkpath(fallback))
            Append_Line(fallback, source, procedure, number);
    } catch (...) {
        // The log is the last resort: an entry that cannot be written is lost.
    }
}

void Set_Log_Folders(const QString& program_folder, const QString& fallback_folder) {
    Folders() = {program_folder, fallback_folder, true};
}

QString Log_File_Path() {
    return Program_Folder() + QLatin1Char('/') + Log_File_Name;
}

} // namespace Error_Logging
