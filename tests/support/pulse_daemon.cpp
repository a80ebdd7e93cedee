// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pulse_daemon.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr int StartTimeoutMs = 15000;
constexpr int StopTimeoutMs = 5000;

bool socketAccepts(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    if (native.size() >= int(sizeof(address.sun_path)))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, native.constData(), std::size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return connected;
}

QString quoted(const QString& path) {
    return QLatin1Char('"') + path + QLatin1Char('"');
}
} // namespace

PulseDaemon::~PulseDaemon() {
    stop();
}

bool PulseDaemon::programAvailable() {
    return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty();
}

QString PulseDaemon::socketPath() const {
    return m_dir.filePath(QStringLiteral("native"));
}
QString PulseDaemon::pipePath() const {
    return m_dir.filePath(QStringLiteral("pipe"));
}
QString PulseDaemon::serverAddress() const {
    return QStringLiteral("unix:") + socketPath();
}

QString PulseDaemon::log() const {
    QFile file(m_dir.filePath(QStringLiteral("daemon.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

bool PulseDaemon::start(QString* error) {
    auto fail = [&](const QString& why) {
        stop();
        if (error)
            *error = why + QStringLiteral("\n--- pulseaudio log ---\n") + log();
        return false;
    };
    if (!m_dir.isValid())
        return fail(QStringLiteral("No temporary folder for the daemon."));
    const QDir dir(m_dir.path());
    for (const char* sub : {"home", "runtime", "state", "config"})
        dir.mkpath(QString::fromLatin1(sub));

    // Only the modules the tests need, and the socket last: once it accepts, the sink and
    // the source exist and the defaults are set.
    const QString script =
        QStringLiteral("load-module module-null-sink sink_name=%1 format=s16le rate=44100 "
                       "channels=2\n"
                       "load-module module-pipe-source source_name=%2 file=%3 format=s16le "
                       "rate=44100 channels=2\n"
                       "set-default-sink %1\n"
                       "set-default-source %2\n"
                       "load-module module-native-protocol-unix socket=%4 auth-anonymous=1\n")
            .arg(QLatin1String(SinkName), QLatin1String(PipeSourceName), quoted(pipePath()),
                 quoted(socketPath()));
    const QString scriptPath = dir.filePath(QStringLiteral("daemon.pa"));
    QFile scriptFile(scriptPath);
    if (!scriptFile.open(QIODevice::WriteOnly) || scriptFile.write(script.toUtf8()) < 0)
        return fail(QStringLiteral("Can't write %1.").arg(scriptPath));
    scriptFile.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("PULSE_STATE_PATH"), dir.filePath(QStringLiteral("state")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    for (const char* name : {"PULSE_SERVER", "PULSE_COOKIE", "PULSE_CLIENTCONFIG",
                             "DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(dir.filePath(QStringLiteral("daemon.log")));
    m_process.setStandardInputFile(QProcess::nullDevice());
    // Running as root prints a warning but works; --system would need the system
    // configuration and a "pulse" user, which a test should not depend on.
    m_process.start(QStringLiteral("pulseaudio"),
                    {QStringLiteral("-n"), QStringLiteral("-F"), scriptPath,
                     QStringLiteral("--daemonize=no"), QStringLiteral("--system=no"),
                     QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                     QStringLiteral("--disallow-exit=yes"), QStringLiteral("--no-cpu-limit=yes"),
                     QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"),
                     QStringLiteral("--log-target=stderr"), QStringLiteral("--log-level=info")});
    if (!m_process.waitForStarted(StartTimeoutMs))
        return fail(QStringLiteral("pulseaudio did not start: %1").arg(m_process.errorString()));

    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!socketAccepts(socketPath())) {
        if (m_process.state() == QProcess::NotRunning)
            return fail(QStringLiteral("pulseaudio exited (code %1) before it served requests.")
                            .arg(m_process.exitCode()));
        if (deadline.hasExpired())
            return fail(QStringLiteral("pulseaudio did not open %1 within %2 ms.")
                            .arg(socketPath())
                            .arg(StartTimeoutMs));
        QThread::msleep(20);
    }

    m_hadServer = qEnvironmentVariableIsSet("PULSE_SERVER");
    m_savedServer = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", serverAddress().toLocal8Bit());
    m_serverSet = true;
    QByteArray info;
    if (pactl({QStringLiteral("info")}, &info) != 0)
        return fail(
            QStringLiteral("pulseaudio does not answer: %1").arg(QString::fromLocal8Bit(info)));
    return true;
}

void PulseDaemon::stop() {
    if (m_process.state() != QProcess::NotRunning) {
        const auto pid = pid_t(m_process.processId());
        ::kill(pid, SIGTERM);
        if (!m_process.waitForFinished(StopTimeoutMs)) {
            ::kill(pid, SIGKILL);
            m_process.waitForFinished(StopTimeoutMs);
        }
    }
    if (m_serverSet) {
        if (m_hadServer)
            qputenv("PULSE_SERVER", m_savedServer);
        else
            qunsetenv("PULSE_SERVER");
        m_serverSet = false;
    }
}

bool PulseDaemon::feedPipe(const QByteArray& pcm, int timeoutMs) const {
    // The daemon holds the FIFO open at both ends, so opening never waits for a reader.
    // It reads only while something records from the pipe source; otherwise the FIFO
    // fills up and the write gives up at the deadline.
    const int fd =
        ::open(QFile::encodeName(pipePath()).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    qsizetype done = 0;
    while (done < pcm.size() && !deadline.hasExpired()) {
        pollfd ready{fd, POLLOUT, 0};
        if (::poll(&ready, 1, int(std::max<qint64>(1, deadline.remainingTime()))) <= 0)
            continue;
        const ssize_t n = ::write(fd, pcm.constData() + done, std::size_t(pcm.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
    }
    ::close(fd);
    return done == pcm.size();
}

qsizetype PulseDaemon::drainPipe() const {
    const int fd =
        ::open(QFile::encodeName(pipePath()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return 0;
    qsizetype drained = 0;
    char buffer[16384];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        drained += n;
    ::close(fd);
    return drained;
}

int PulseDaemon::pactl(const QStringList& arguments, QByteArray* output) const {
    QByteArray errors;
    const int code = runPactl(arguments, output, &errors);
    if (output)
        *output += errors;
    return code;
}

QJsonArray PulseDaemon::list(const QString& kind) const {
    QByteArray json;
    if (runPactl({QStringLiteral("-f"), QStringLiteral("json"), QStringLiteral("list"), kind},
                 &json, nullptr) != 0)
        return {};
    return QJsonDocument::fromJson(json).array();
}

int PulseDaemon::runPactl(const QStringList& arguments, QByteArray* output,
                          QByteArray* errors) const {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), serverAddress());
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("pactl"), arguments);
    if (!process.waitForFinished(StopTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = process.readAllStandardOutput();
    if (errors)
        *errors = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
