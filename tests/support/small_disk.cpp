// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/small_disk.h"

#include "support/test_audio.h"

SmallDisk::SmallDisk(int kilobytes) {
    m_mounted = m_dir.isValid() &&
                testaudio::run(QStringLiteral("mount"),
                               {"-t", "tmpfs", "-o", QStringLiteral("size=%1k").arg(kilobytes),
                                "tmpfs", m_dir.path()}) == 0;
}

SmallDisk::~SmallDisk() {
    if (m_mounted)
        testaudio::run(QStringLiteral("umount"), {m_dir.path()});
}
