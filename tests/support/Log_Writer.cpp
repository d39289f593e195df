// SPDX-License-Identifier: MIT
// Appends a number of entries to the error log in a given folder, for the
// test of several programs writing at once.
// Arguments: folder, source name, number of entries, start file (the writer
// begins once that file exists, so that all writers start together).
#include "Error_Logging.h"

#include <QFileInfo>
#include <QString>
#include <chrono>
#include <thread>

int main(int argc, char** argv) {
    if (argc != 5)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString source = QString::fromLocal8Bit(argv[2]);
    const int count = QString::fromLocal8Bit(argv[3]).toInt();
    const QString start_file = QString::fromLocal8Bit(argv[4]);
    for (int waited = 0; !QFileInfo::exists(start_file); ++waited) {
        if (waited > 60000)
            return 3;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    Error_Logging::Set_Log_Folders(folder, QString());
    for (int i = 0; i < count; ++i)
        Log_Error(source, QStringLiteral("Line_%1").arg(i), 13);
    return 0;
}
