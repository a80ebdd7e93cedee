// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/take_spool.h"

#include "base/no_follow.h"
#include "base/write_fully.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>

namespace {

constexpr ByteCount FrameBytes = 4; // the take's frames: 2 channels of 16 bits

// The take's header with `soundBytes` in its sizes.
std::array<char, WavHeader::Size> takeHeader(ByteCount soundBytes) {
    WavHeader header = WavHeader::forTake();
    header.setDataSize(soundBytes);
    return header.bytes();
}

// A take's file: the take's header, whatever its sizes say.
bool isTakeHeader(const QByteArray& bytes) {
    if (bytes.size() < WavHeader::Size)
        return false;
    const auto expected = takeHeader(0);
    return std::memcmp(bytes.constData(), expected.data(), 4) == 0 &&
           std::memcmp(bytes.constData() + 8, expected.data() + 8, 32) == 0;
}

} // namespace

TakeSpool::TakeSpool(QString path) : m_path(std::move(path)) {}

TakeSpool::~TakeSpool() {
    wait();
}

void TakeSpool::wait() {
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        if (!m_finishing) {
            // Ended without a finish (the recorder goes): what was recorded is written.
            m_finishing = true;
            m_finalBytes = m_recorded->load(std::memory_order_acquire);
        }
    }
    m_wake.notify_all();
    m_thread.join();
}

void TakeSpool::start(const std::byte* block, const std::atomic<ByteCount>& recorded) {
    wait();
    m_block = block;
    m_recorded = &recorded;
    m_finishing = false;
    m_finalBytes = 0;
    m_thread = std::thread(&TakeSpool::run, this);
}

void TakeSpool::finish(ByteCount soundBytes) {
    {
        std::lock_guard lock(m_mutex);
        m_finishing = true;
        m_finalBytes = soundBytes;
    }
    m_wake.notify_all();
}

void TakeSpool::discard() {
    if (!m_thread.joinable())
        return;
    finish(0);
    m_thread.join();
    ::unlink(QFile::encodeName(m_path).constData());
}

void TakeSpool::run() {
    // Whatever has this name goes, a link as itself; the file is made anew, never opened
    // through something planted there.
    const QByteArray name = QFile::encodeName(m_path);
    ::unlink(name.constData());
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                             QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    const auto header = takeHeader(0);
    Status written = writeFully(file, header.data(), WavHeader::Size);
    ByteCount spooled = 0;
    std::unique_lock lock(m_mutex);
    while (written) {
        const bool last = m_finishing;
        const ByteCount upTo = last ? m_finalBytes : m_recorded->load(std::memory_order_acquire);
        lock.unlock();
        if (upTo > spooled) {
            written = writeFully(file, m_block + WavHeader::Size + spooled, upTo - spooled);
            spooled = upTo;
        }
        if (last && written) {
            const auto sizes = takeHeader(spooled);
            written = file.seek(0) ? writeFully(file, sizes.data(), WavHeader::Size)
                                   : writeFailure(m_path, file);
        }
        lock.lock();
        if (last)
            break;
        m_wake.wait_for(lock, std::chrono::milliseconds(IntervalMs),
                        [this] { return m_finishing; });
    }
}

ByteCount TakeSpool::recoverable(const QString& path) {
    QFile file;
    if (!nofollow::openPlainFile(file, path) || !isTakeHeader(file.read(WavHeader::Size)))
        return 0;
    const ByteCount sound =
        std::min<ByteCount>(file.size() - WavHeader::Size, WavHeader::MaxDataBytes);
    return std::max<ByteCount>(0, sound - sound % FrameBytes);
}

Status TakeSpool::recover(const QString& path, const QString& clipPath) {
    const ByteCount sound = recoverable(path);
    const Status refused{
        ErrorCode::FileForm,
        QCoreApplication::translate("TakeSpool", "%1 holds no recorded sound.").arg(path)};
    if (sound <= 0)
        return refused;
    // Opened without following a link (recoverable() saw a plain file), for writing.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return {ErrorCode::FileOpen,
                QCoreApplication::translate("TakeSpool", "%1 cannot be opened.").arg(path)};
    }
    // A frame cut short by the crash goes.
    if (!file.resize(WavHeader::Size + sound))
        return writeFailure(path, file);
    const auto sizes = takeHeader(sound);
    if (Status written = writeFully(file, sizes.data(), WavHeader::Size); !written)
        return written;
    file.close();
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(clipPath).constData()) != 0)
        return {
            ErrorCode::Create,
            QCoreApplication::translate("TakeSpool", "%1 cannot be made a clip.").arg(clipPath)};
    return Status::ok();
}
