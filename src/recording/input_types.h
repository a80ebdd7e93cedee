// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The name shown for an input's type code (the top byte of its setting): "Digital",
// "Line-in", "Microphone", ..., and "UnSupport" for 0 and every code not in the table.
QString inputTypeName(int typeCode);
