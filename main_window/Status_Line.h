// SPDX-License-Identifier: MIT
// The status line Status(i): one line of text that the program writes and the
// user can select and copy, but not edit or tab into. It sizes itself to its
// text.
#pragma once

#include <QLabel>

class Status_Line : public QLabel {
    Q_OBJECT
public:
    Status_Line(const QString& text, QWidget* parent);

    // Sets the text and sizes the line to it. Screen readers derive what
    // they speak from the text itself (accessibility/Spoken_Form).
    void Show_Text(const QString& text);

    // Has screen readers speak the line now, wherever the focus is, if it has
    // shown a text since `texts_shown` (a failed conversion shows none, and
    // the old text is no new result).
    void Announce_Since(int texts_shown);
    int Texts_Shown() const { return texts_shown_; }

    // The size of the text in one line, measured from the font.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // A label's own menu serves links only: this one copies the selection, or
    // the whole line when nothing is selected, and selects the whole line.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // A selectable label keeps its text in a text document that is laid out
    // anew, more than once, for every text and every paint; "Clear All"
    // rewrites nine lines in a row. So the line is a plain label until the
    // user presses a mouse button on it, and becomes one again when the program
    // writes a new text, which ends any selection anyway.
    void Set_Selectable(bool selectable);

    int texts_shown_ = 0;
};
