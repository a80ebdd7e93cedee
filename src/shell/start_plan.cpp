// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/start_plan.h"

#include "base/app_info.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>

StartPlan planStart(SingleInstance& instance, const WorkFolder& usual, const QStringList& files,
                    int handOverTimeoutMs) {
    StartPlan plan;
    plan.workFolder = usual;
    switch (instance.start()) {
    case SingleInstance::Role::First:
    case SingleInstance::Role::NoFolder:
        // Without the lock the program still runs, as it does without a work folder.
        break;
    case SingleInstance::Role::Alone:
        plan.notice = instance.notice();
        break;
    case SingleInstance::Role::Second: {
        if (instance.handOver(files, handOverTimeoutMs)) {
            plan.openWindow = false;
            break;
        }
        QByteArray spare = QFile::encodeName(usual.path() + QStringLiteral("-XXXXXX"));
        if (!::mkdtemp(spare.data())) {
            plan.openWindow = false;
            plan.exitCode = 1;
            plan.notice = QCoreApplication::translate(
                              "StartPlan", "%1 is running but does not answer, and no folder "
                                           "of its own can be made for this window.")
                              .arg(QLatin1String(appinfo::Title));
            break;
        }
        plan.workFolder = WorkFolder(QFile::decodeName(spare));
        plan.spareFolder = true;
        plan.notice = QCoreApplication::translate(
                          "StartPlan", "%1 is running but did not take the files of this "
                                       "start, so this window works on its own, with its "
                                       "clips in %2.")
                          .arg(QLatin1String(appinfo::Title),
                               QDir::toNativeSeparators(plan.workFolder.path()));
        break;
    }
    }
    return plan;
}
