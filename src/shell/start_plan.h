// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/work_folder.h"
#include "shell/single_instance.h"

#include <QString>
#include <QStringList>

// What a start of the program does before it makes its window, given the usual work folder
// and the files on its command line.
struct StartPlan {
    bool openWindow = true; // false: this start ends at once with exitCode
    int exitCode = 0;
    WorkFolder workFolder{QString()}; // where the window keeps its clips
    // A folder of this window's own, to be removed (when empty) after the exit has emptied it.
    bool spareFolder = false;
    QString notice; // what the user is told once the window shows; empty for nothing
};

// Takes `instance`'s role. The first start works in `usual`. A later one hands its files to
// the first and ends; should the first not take them (it does not answer, or what answers is
// not this user's), it opens a window of its own in a new private folder beside `usual`
// rather than end with the files lost, since sharing the first's folder would let either
// empty it under the other. A first that cannot listen says so in the notice.
StartPlan planStart(SingleInstance& instance, const WorkFolder& usual, const QStringList& files,
                    int handOverTimeoutMs = 5000);
