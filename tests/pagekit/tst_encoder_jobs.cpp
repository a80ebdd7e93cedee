// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "codec/mp3_encoder.h"
#include "pagekit/busy_gate.h"
#include "pagekit/busy_window.h"
#include "pagekit/encoder_jobs.h"
#include "support/page_host.h"
#include "support/scripted_dialogs.h"
#include "support/test_audio.h"
#include "support/window_rig.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const WavFormat CdFormat{2, 44100, 16};

} // namespace

// The end of every MP3 job, and the busy gate that long operations share.
class TestEncoderJobs : public QObject {
    Q_OBJECT
private slots:
    void init() { m_rig = std::make_unique<WindowRig>(); }
    void cleanup() { m_rig.reset(); }

    void busyGate_onlyTheLastScopeEnablesAndHides();
    void jobEnd_reportsStopsPlayersThenEnables_data();
    void jobEnd_reportsStopsPlayersThenEnables();

private:
    PageHost& host() const { return m_rig->host(); }
    EncoderJobs& jobs() const { return host().services().encoderJobs; }
    // Waits for `count` jobs to end.
    bool waitForJobs(QSignalSpy& finished, int count) {
        while (finished.size() < count)
            if (!finished.wait(60000))
                return false;
        QCoreApplication::processEvents();
        return true;
    }

    std::unique_ptr<WindowRig> m_rig;
};

void TestEncoderJobs::busyGate_onlyTheLastScopeEnablesAndHides() {
    BusyGate& gate = host().busyGate();
    FrmLoad& busy = host().frmLoad();
    auto shown = gate.enter(BusyGate::Window::KeepEnabled, QStringLiteral("Converting......."));
    QVERIFY(busy.isVisible() && host().isEnabled() && !gate.isBusy());
    auto first = gate.enter(BusyGate::Window::Disable);
    auto second = gate.enter(BusyGate::Window::Disable, QStringLiteral("Saving......."));
    QVERIFY(!host().isEnabled() && gate.isBusy());
    QCOMPARE(busy.statusText(), QStringLiteral("Saving......."));

    shown.reset();
    first->hideBusyWindow();
    first.reset();
    QVERIFY(busy.isVisible());
    QVERIFY(!host().isEnabled());
    second.reset();
    QVERIFY(!busy.isVisible());
    QVERIFY(host().isEnabled() && !gate.isBusy());
    QCOMPARE(busy.statusText(), QStringLiteral("Saving......."));
}

void TestEncoderJobs::jobEnd_reportsStopsPlayersThenEnables_data() {
    QTest::addColumn<bool>("soundInput");
    QTest::newRow("finished job") << true;
    QTest::newRow("failed job") << false;
}

void TestEncoderJobs::jobEnd_reportsStopsPlayersThenEnables() {
    QFETCH(bool, soundInput);
    const WorkFolder& work = m_rig->work();
    const QString input = work.file("input.wav");
    if (soundInput)
        testaudio::writeSineWav(input, CdFormat, 4410);
    else
        QVERIFY(testaudio::writeAll(input, "not sound at all"));
    m_rig->playInBothPlayers(testaudio::writeSineWav(work.file("clip.wav"), CdFormat, 44100));
    const QString target = m_rig->outside("list.mp3");

    QSignalSpy finished(&m_rig->encoder(), &Mp3Encoder::EncodeFinished);
    QCOMPARE(jobs().start(input, target, host().busyGate().enter(BusyGate::Window::Disable)), 0);
    QVERIFY(!host().isEnabled());
    QVERIFY(waitForJobs(finished, 1));

    QVERIFY(!host().frmLoad().isVisible());
    QVERIFY(host().isEnabled());
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const QString text = m_rig->dialogs().messages().first().text;
    // The end names the file written, on a line after "Finish Save".
    if (soundInput)
        QCOMPARE(text, QStringLiteral("Finish Save\n") + QDir::toNativeSeparators(target));
    else
        QVERIFY2(!text.startsWith(QStringLiteral("Finish Save")) && !QFile::exists(target),
                 qPrintable(text));
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Stopped);
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Stopped);
    QCOMPARE(jobs().pending(), 0);
}

QTEST_MAIN(TestEncoderJobs)
#include "tst_encoder_jobs.moc"
