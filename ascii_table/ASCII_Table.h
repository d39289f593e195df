// SPDX-License-Identifier: MIT
// The ASCII table window: the 256 single-byte codes in one scrollable,
// editable text box, opened from the main window without blocking it.
#pragma once

#include <QFont>
#include <QWidget>

class QPlainTextEdit;

class ASCII_Table : public QWidget {
    Q_OBJECT

public:
    // Creates and loads a window (Form_Load); it is shown by the caller and
    // destroys itself when closed.
    explicit ASCII_Table(QWidget* parent = nullptr);

    // Opens the one table window without an owner and without blocking: a
    // new one when none is open, otherwise the open one restored and raised
    // (its table is not rebuilt). Returns the window.
    static ASCII_Table* Show_Table();

    // "Courier New" 9.75 pt regular, or its substitute; when neither gives a
    // fixed-pitch font, the system's fixed-pitch font at the same size, so
    // that the columns always line up.
    static QFont Table_Font();

    QPlainTextEdit* const ASCII;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void Fit_Text_Box();
    void Process_Pending_Events_Once();

    bool processing_events_ = false;
    bool close_requested_while_processing_ = false;
};
