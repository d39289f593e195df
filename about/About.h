// SPDX-License-Identifier: MIT
// The About window: title, version, build date, licence notice and the
// opener's notes over a painted gradient, slightly translucent. A click, any
// mouse press on the background, Escape (on release) or the timer Max_Time
// closes it through Form_Click.
#pragma once

#include "Surface_Image.h"

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QTimer;

class About final : public QDialog {
    Q_OBJECT
    // Written by the opener before showing; read by Form_Load.
    Q_PROPERTY(QString App_Notes READ App_Notes WRITE Set_App_Notes)
    Q_PROPERTY(qint16 Form_Transparency READ Form_Transparency WRITE Set_Form_Transparency)

public:
    // Max_Time's interval. Tests shorten it on the child QTimer "Max_Time"
    // before showing; loading starts the timer without touching its interval.
    static constexpr int Max_Time_Interval = 30000;

    explicit About(QWidget* parent = nullptr);

    QString App_Notes() const;
    void Set_App_Notes(const QString& notes);
    qint16 Form_Transparency() const;
    void Set_Form_Transparency(qint16 opacity);

    // The persistent picture the window shows under its labels.
    const Surface_Image& Surface() const { return surface_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void Create_Labels();
    void Load();
    void Unload();

    void Form_Load();
    void Form_Click();
    void Form_MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, double X, double Y);
    void Form_KeyUp(int KeyCode, Qt::KeyboardModifiers Shift);
    void Max_Time_Timer();

    // A growing label takes the size of its text, keeping its top-left corner.
    void Grow_To_Fit(QLabel& label);
    // Info(5) grows leftwards and upwards, keeping its bottom-right corner.
    void Grow_Into_Corner(QLabel& label);

    QString app_notes_;
    qint16 form_transparency_ = 0;
    bool loaded_ = false;
    Surface_Image surface_;
    QTimer* Max_Time_ = nullptr;
    std::array<QLabel*, 6> Info_{};
};
