// SPDX-License-Identifier: MIT
#include "Probe_Report.h"

#include <algorithm>
#include <string>

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
