// SPDX-License-Identifier: MIT
#include "ASCII_Columns.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace ASCII_Columns {

QString Line(const QPlainTextEdit& box, int code) {
    return box.document()->findBlockByNumber(code).text();
}

int X_Of(const QPlainTextEdit& box, int code, qsizetype column) {
    const QTextBlock line = box.document()->findBlockByNumber(code);
    QTextCursor cursor(line);
    cursor.setPosition(line.position() + static_cast<int>(column));
    return box.cursorRect(cursor).left();
}

std::array<int, Labels.size()> Label_Positions(const QPlainTextEdit& box, int code) {
    const QString line = Line(box, code);
    std::array<int, Labels.size()> positions{};
    for (std::size_t field = 0; field < Labels.size(); ++field) {
        const qsizetype column = line.indexOf(QLatin1String(Labels[field]), 0, Qt::CaseInsensitive);
        positions[field] = column < 0 ? -1 : X_Of(box, code, column);
    }
    return positions;
}

} // namespace ASCII_Columns
