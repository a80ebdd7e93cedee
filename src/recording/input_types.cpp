// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/input_types.h"

#include <QCoreApplication>

#include <array>
#include <utility>

QString inputTypeName(int typeCode) {
    static constexpr std::array<std::pair<unsigned, const char*>, 10> Names{{
        {0x01000000u, QT_TRANSLATE_NOOP("InputTypes", "Digital")},
        {0x02000000u, QT_TRANSLATE_NOOP("InputTypes", "Line-in")},
        {0x03000000u, QT_TRANSLATE_NOOP("InputTypes", "Microphone")},
        {0x04000000u, QT_TRANSLATE_NOOP("InputTypes", "Midi synth")},
        {0x05000000u, QT_TRANSLATE_NOOP("InputTypes", "Analog CD")},
        {0x06000000u, QT_TRANSLATE_NOOP("InputTypes", "Telephone")},
        {0x07000000u, QT_TRANSLATE_NOOP("InputTypes", "PC Speaker")},
        {0x08000000u, QT_TRANSLATE_NOOP("InputTypes", "Wave/PCM")},
        {0x09000000u, QT_TRANSLATE_NOOP("InputTypes", "Aux")},
        {0x0A000000u, QT_TRANSLATE_NOOP("InputTypes", "Analog")},
    }};
    const unsigned code = unsigned(typeCode) & 0xFF000000u;
    for (const auto& [value, name] : Names) {
        if (value == code)
            return QCoreApplication::translate("InputTypes", name);
    }
    return QCoreApplication::translate("InputTypes", "UnSupport");
}
