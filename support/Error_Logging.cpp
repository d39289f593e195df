// SPDX-License-Identifier: MIT
#include "Error_Logging.h"

#include "Runtime_Services.h"
#include "Time_Stamp.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>

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

// One write of the whole line, so that two programs appending at once never
// interleave inside a line.
bool Append_Line(const QString& folder, const QString& source, const QString& procedure,
                 std::int16_t number) {
    if (folder.isEmpty())
        return false;
    QFile file(folder + QLatin1Char('/') + Log_File_Name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QString entry = QLatin1Char('[') + Time_Stamp(QDateTime::currentDateTime(), QLocale()) +
                          QStringLiteral("][") + source + QStringLiteral("][") + procedure +
                          QStringLiteral("][") + QString::number(number) + QStringLiteral("][") +
                          QString::fromStdString(Runtime_Services::Error_Description(number)) +
                          QStringLiteral("]\r\n");
    const QByteArray bytes = entry.toLocal8Bit();
    return file.write(bytes) == bytes.size();
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
