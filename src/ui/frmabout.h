// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace forms {
class PictureBox;
}

// The About box: the program's icon, name, version and a short description,
// and one button that closes it. It is destroyed when it closes.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    void cmdOK_Click();

    forms::PictureBox* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;

private:
    void varita(); // colours the words

protected:
    void reject() override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
