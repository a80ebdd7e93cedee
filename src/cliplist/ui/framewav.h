// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cliplist/ui/framewav_controls.h"

#include <QGroupBox>
#include <QStringList>

class Frmmain;

// The "Audio Edit" page (frame Framewav): the clip list List1 with its buttons, the editor
// frame "Edit Song", the list player's frame "List Control" and the two list-saving buttons.
//
// The page works with the main window's collaborators (engine, players, dialogs, work
// folder) and its busy window; the window must outlive the page (it is the page's parent).
// GUI thread only.
class Framewav : public QGroupBox {
    Q_OBJECT
public:
    explicit Framewav(Frmmain& window);

    // Every control of the page, for the parts that work with them.
    const FramewavControls& controls() const { return m_controls; }

private:
    Frmmain& m_window;
    FramewavControls m_controls;
};
