// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/level_envelope.h"

#include <QtTest>

#include <cstdint>
#include <vector>

class TestLevelEnvelope : public QObject {
    Q_OBJECT
private slots:
    void quietest_passesOverDigitalSilence();
};

// Ten blocks of 100 frames, mono: a loud one, three of digital silence, then a soft stretch
// and a softer one. Two blocks wanted: the softer stretch, not the zeros; with only zeros
// to choose from, they are the quietest after all.
void TestLevelEnvelope::quietest_passesOverDigitalSilence() {
    const std::int16_t levels[] = {8000, 0, 0, 0, 400, 400, 300, 200, 200, 900};
    LevelEnvelope envelope(1, 100);
    for (std::int16_t level : levels) {
        std::vector<std::int16_t> block(100);
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = std::int16_t(i % 2 ? level : -level);
        envelope.add(block.data(), 100);
    }
    QCOMPARE(envelope.quietest(2, true), std::int64_t(7));
    QCOMPARE(envelope.quietest(1, true), std::int64_t(7));
    QCOMPARE(envelope.quietest(2), std::int64_t(1));

    LevelEnvelope silence(1, 100);
    std::vector<std::int16_t> zeros(300, 0);
    silence.add(zeros.data(), 300);
    QCOMPARE(silence.quietest(2, true), std::int64_t(0));
}

QTEST_MAIN(TestLevelEnvelope)
#include "tst_level_envelope.moc"
