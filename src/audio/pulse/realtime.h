// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Real-time scheduling for a thread that feeds the sound server, asked of the desktop's
// RealtimeKit (rtkit) over the system bus, where there is one and it grants it. A thread so
// scheduled runs before the user's other jobs, so a busy machine reaches the sound later.
namespace realtime {

// Asks for the calling thread at `priority` (1 the lowest; no higher than rtkit allows).
// Before asking, the process's limit on how long a real-time thread may run without
// sleeping is set to 200 ms when it was higher (rtkit lends only under such a limit). Waits
// at most about a second; false when there is no bus, no rtkit, or the request is refused.
bool requestForThisThread(int priority);

} // namespace realtime
