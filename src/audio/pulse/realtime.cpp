// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/pulse/realtime.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariant>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>

namespace {

const QString Service = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString ObjectPath = QStringLiteral("/org/freedesktop/RealtimeKit1");
// Past this much running without a sleep the kernel sends SIGXCPU to a real-time thread; a
// thread that reads ahead sleeps between reads of a few milliseconds.
constexpr rlim_t MaxRunUsec = 200000;
constexpr int CallTimeoutMs = 500;

} // namespace

bool realtime::requestForThisThread(int priority) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        Service, ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << Service << QStringLiteral("MaxRealtimePriority");
    const QDBusMessage highest = bus.call(get, QDBus::Block, CallTimeoutMs);
    if (highest.type() != QDBusMessage::ReplyMessage || highest.arguments().isEmpty())
        return false;
    const int allowed =
        qvariant_cast<QDBusVariant>(highest.arguments().constFirst()).variant().toInt();
    if (allowed < 1)
        return false;
    rlimit limit{};
    if (getrlimit(RLIMIT_RTTIME, &limit) != 0)
        return false;
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max > MaxRunUsec) {
        limit.rlim_cur = limit.rlim_max = MaxRunUsec;
        if (setrlimit(RLIMIT_RTTIME, &limit) != 0)
            return false;
    }
    QDBusMessage make = QDBusMessage::createMethodCall(Service, ObjectPath, Service,
                                                       QStringLiteral("MakeThreadRealtime"));
    make << quint64(::syscall(SYS_gettid)) << quint32(std::clamp(priority, 1, allowed));
    return bus.call(make, QDBus::Block, CallTimeoutMs).type() == QDBusMessage::ReplyMessage;
}
