// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/input_types.h"

#include <array>
#include <utility>

QString inputTypeName(int typeCode) {
    static constexpr std::array<std::pair<unsigned, const char*>, 10> Names{{
        {0x01000000u, "Digital"},
        {0x02000000u, "Line-in"},
        {0x03000000u, "Microphone"},
        {0x04000000u, "Midi synth"},
        {0x05000000u, "Analog CD"},
        {0x06000000u, "Telephone"},
        {0x07000000u, "PC Speaker"},
        {0x08000000u, "Wave/PCM"},
        {0x09000000u, "Aux"},
        {0x0A000000u, "Analog"},
    }};
    const unsigned code = unsigned(typeCode) & 0xFF000000u;
    for (const auto& [value, name] : Names) {
        if (value == code)
            return QString::fromLatin1(name);
    }
    return QStringLiteral("UnSupport");
}
