// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/framewav.h"

#include "shell/ui/main_window.h"

Framewav::Framewav(Frmmain& window)
    : QGroupBox(&window), m_window(window), m_controls(FramewavControls::create(*this)) {
    setObjectName(QStringLiteral("Framewav"));
    setTitle(QStringLiteral("Audio Edit"));
}
