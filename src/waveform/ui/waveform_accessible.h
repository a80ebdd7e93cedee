// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class WaveformView;

// What a screen reader finds in the waveform view: three sliders, "Mark-in", "Playhead" and
// "Mark-out", each a value in milliseconds from 0 to the clip's length
// (QAccessibleValueInterface). Setting one acts as the user's drag or click would. After them
// come the view's zoom buttons and its picture choice, each with its name. The view
// installs the factory; GUI thread only.
namespace waveformaccess {

QAccessibleInterface* factory(const QString& className, QObject* object);

} // namespace waveformaccess
