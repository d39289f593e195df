// SPDX-License-Identifier: MIT
// What one run of the fault probe printed and how it ended.
#pragma once

#include <QByteArray>
#include <QMultiMap>
#include <QString>
#include <QStringList>

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
