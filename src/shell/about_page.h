// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QLabel;

// The About page (frame "About"): the program's icon, title, version, description and
// support lines. The labels stay empty until fill(), which the toolbar's "Help" runs on every
// press; filling again gives the same texts. GUI thread only.
class FrameAbout : public QGroupBox {
    Q_OBJECT
public:
    explicit FrameAbout(QWidget* parent = nullptr);

    void fill();

private:
    QLabel* m_picIcon = nullptr;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblVersion = nullptr;
    QLabel* m_lblDescription = nullptr;
    QLabel* m_label7 = nullptr;
};
