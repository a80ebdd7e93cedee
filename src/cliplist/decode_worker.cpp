// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/decode_worker.h"

#include <utility>

DecodeWorker::DecodeWorker(QObject* parent) : QObject(parent) {}

DecodeWorker::~DecodeWorker() {
    cancelAndWait();
}

bool DecodeWorker::start(const QString& inputPath, const QString& outputPath, Done done) {
    if (m_running)
        return false;
    if (m_thread.joinable())
        m_thread.join(); // the last decode's thread has ended its work already
    m_running = true;
    m_cancel = false;
    m_thread =
        std::thread(&DecodeWorker::run, this, inputPath, outputPath, std::move(done), m_generation);
    return true;
}

void DecodeWorker::cancel() {
    m_cancel = true;
    m_decoder.requestCancel();
}

void DecodeWorker::cancelAndWait() {
    cancel();
    if (m_thread.joinable())
        m_thread.join();
    ++m_generation;
    m_running = false;
}

void DecodeWorker::run(QString inputPath, QString outputPath, Done done, unsigned generation) {
    Outcome outcome;
    if (Status loaded = m_decoder.loadmp3(inputPath); !loaded) {
        outcome.failedStep = Outcome::Step::Load;
        outcome.status = loaded;
    } else {
        // loadmp3 forgets an earlier cancel request; one made since the start still holds.
        if (m_cancel)
            m_decoder.requestCancel();
        int percent = -1;
        Status decoded =
            m_decoder.convert2wav(outputPath, [&](ByteCount position, ByteCount length) {
                if (length <= 0)
                    return;
                const int now = int(std::min<ByteCount>(100, position * 100 / length));
                if (now != percent) {
                    percent = now;
                    QMetaObject::invokeMethod(
                        this, [this, now] { emit progress(now); }, Qt::QueuedConnection);
                }
            });
        if (Status closed = m_decoder.closewav(); decoded && !closed)
            decoded = closed;
        if (!decoded) {
            outcome.failedStep = Outcome::Step::Decode;
            outcome.status = decoded;
            outcome.cancelled = m_cancel;
        }
    }
    QMetaObject::invokeMethod(
        this,
        [this, outcome, done = std::move(done), generation] {
            if (generation != m_generation)
                return;
            m_running = false;
            if (done)
                done(outcome);
        },
        Qt::QueuedConnection);
}
