// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of bench/analysis_real.sh. Reads a list of tracks on stdin, one a line:
// NAME<TAB>WAV<TAB>REFERENCES.json<TAB>AUBIO.txt<TAB>OURS.json<TAB>PACKAGE, prints a row per track and the
// totals, and exits 1 when a goal row fails.
"use strict";
const fs = require("fs");
const wav = require("node-wav");

const Tolerance = 0.07;
const SkipBefore = 5;

// Beat F-measure: each beat matched once, within the tolerance, beats before 5 s left out.
function fMeasure(found, truth) {
    const a = found.filter((t) => t >= SkipBefore);
    const b = truth.filter((t) => t >= SkipBefore);
    if (a.length === 0 || b.length === 0) return 0;
    let i = 0, j = 0, hits = 0;
    while (i < a.length && j < b.length) {
        if (Math.abs(a[i] - b[j]) <= Tolerance) { hits++; i++; j++; }
        else if (a[i] < b[j]) i++;
        else j++;
    }
    return (2 * hits) / (a.length + b.length);
}
const near = (x, y) => x > 0 && y > 0 && Math.abs(x / y - 1) <= 0.04;
const tempoAgrees = (x, y, octave) =>
    near(x, y) || (octave && (near(x, 2 * y) || near(2 * x, y)));
function tempoOfBeats(beats) {
    const gaps = [];
    for (let i = 1; i < beats.length; i++) gaps.push(beats[i] - beats[i - 1]);
    gaps.sort((p, q) => p - q);
    return gaps.length ? 60 / gaps[Math.floor(gaps.length / 2)] : 0;
}
// Essentia places its first beat half a second or more into a track, after its first
// analysis frame; a start before that is judged against its grid run back from its first
// two beats (never more than two beats back).
function onBeat(t, beats) {
    const heard = [...beats];
    if (beats.length >= 2) {
        const period = beats[1] - beats[0];
        for (let b = beats[0] - period, k = 0; b > -Tolerance && k < 2; b -= period, k++)
            heard.unshift(b);
    }
    return heard.some((b) => Math.abs(b - t) <= Tolerance);
}

// The share of windows of the same length (one every 0.5 s) quieter than [start, end).
function loudnessRank(samples, rate, start, end) {
    const step = Math.round(rate / 2);
    const sums = [0];
    for (let i = 0; i < samples.length; i += step) {
        let s = 0;
        for (let k = i; k < Math.min(samples.length, i + step); k++) s += samples[k] * samples[k];
        sums.push(sums[sums.length - 1] + s);
    }
    const blocks = Math.max(1, Math.round((end - start) * 2));
    const energy = (from) => sums[Math.min(sums.length - 1, from + blocks)] - sums[from];
    const mine = energy(Math.min(sums.length - 1, Math.round(start * 2)));
    let quieter = 0, all = 0;
    for (let from = 0; from + blocks < sums.length; from++, all++)
        if (energy(from) < mine) quieter++;
    return all ? quieter / all : 1;
}

function overlapOf(suggestions) {
    let most = 0;
    for (let i = 0; i < suggestions.length; i++)
        for (let j = i + 1; j < suggestions.length; j++)
            most = Math.max(most, Math.min(suggestions[i].end, suggestions[j].end) -
                                      Math.max(suggestions[i].start, suggestions[j].start));
    return most;
}

const lines = fs.readFileSync(0, "utf8").split("\n").filter((l) => l.trim());
const rows = [];
const pad = (s, n) => String(s).padEnd(n).slice(0, n);
const num = (x, d = 2) => x.toFixed(d);
console.log(
    pad("track", 28) + " len s  ours BPM  ess BPM  F ess  F mt  F aub  refs F  tempo =/x2  s1 beat  s1 rank  overlap s");
for (const line of lines) {
    const [name, wavPath, refsPath, aubioPath, oursPath, pkg] = line.split("\t");
    const refs = JSON.parse(fs.readFileSync(refsPath, "utf8"));
    const aubio = fs.readFileSync(aubioPath, "utf8").split(/\s+/).filter(Boolean).map(Number);
    const ours = JSON.parse(fs.readFileSync(oursPath, "utf8"));
    const decoded = wav.decode(fs.readFileSync(wavPath));
    const samples = decoded.channelData[0];
    const seconds = samples.length / decoded.sampleRate;
    const ess = refs.essentia.beats, mt = refs.musictempo.beats;
    const r = {
        pkg,
        name, seconds,
        ourBpm: ours.tempo_bpm || 0,
        essBpm: refs.essentia.bpm,
        fEss: fMeasure(ours.beats, ess),
        fMt: fMeasure(ours.beats, mt),
        fAubio: fMeasure(ours.beats, aubio),
        fRefs: (fMeasure(mt, ess) + fMeasure(aubio, ess) + fMeasure(aubio, mt)) / 3,
        refsTempo: [refs.musictempo.bpm, tempoOfBeats(aubio)],
    };
    r.tempoExact = tempoAgrees(r.ourBpm, r.essBpm, false);
    r.tempoOctave = tempoAgrees(r.ourBpm, r.essBpm, true);
    r.refsTempoOctave = r.refsTempo.map((t) => tempoAgrees(t, r.essBpm, true));
    const s = ours.suggestions || [];
    r.s1Beat = s.length > 0 && onBeat(s[0].start, ess);
    r.s1Rank = s.length > 0 ? loudnessRank(samples, decoded.sampleRate, s[0].start, s[0].end) : 0;
    r.overlap = overlapOf(s);
    rows.push(r);
    console.log(pad(name, 28) + " " + pad(num(seconds, 0), 6) + pad(num(r.ourBpm, 1), 10) +
                pad(num(r.essBpm, 1), 9) + pad(num(r.fEss), 7) + pad(num(r.fMt), 6) +
                pad(num(r.fAubio), 7) + pad(num(r.fRefs), 8) +
                pad((r.tempoExact ? "yes" : "no") + "/" + (r.tempoOctave ? "yes" : "no"), 12) +
                pad(r.s1Beat ? "yes" : "no", 9) + pad(num(r.s1Rank), 9) + num(r.overlap, 1));
}
const n = rows.length;
const mean = (f) => rows.reduce((a, r) => a + f(r), 0) / Math.max(1, n);
const count = (f) => rows.filter(f).length;
const share = (k) => `${k} of ${n} (${num((100 * k) / Math.max(1, n), 0)} %)`;
console.log("");
console.log(`tracks: ${n}`);
console.log(`beat F (±70 ms, from 5 s) against essentia ${num(mean((r) => r.fEss))}, ` +
            `music-tempo ${num(mean((r) => r.fMt))}, aubio ${num(mean((r) => r.fAubio))}; ` +
            `the references among themselves ${num(mean((r) => r.fRefs))}`);
console.log(`tempo within 4 % of essentia: exact ${share(count((r) => r.tempoExact))}, ` +
            `double or half allowed ${share(count((r) => r.tempoOctave))}; ` +
            `music-tempo ${share(count((r) => r.refsTempoOctave[0]))}, ` +
            `aubio ${share(count((r) => r.refsTempoOctave[1]))}`);
// Each package apart: orchestral scores whose tempo drifts and beat-driven game music differ.
for (const pkg of [...new Set(rows.map((r) => r.pkg))]) {
    const of = rows.filter((r) => r.pkg === pkg);
    const m = (f) => num(of.reduce((a, r) => a + f(r), 0) / of.length);
    const k = (f) => `${of.filter(f).length} of ${of.length}`;
    console.log(`  ${pad(pkg, 22)} beat F ${m((r) => r.fEss)} (references among themselves ` +
                `${m((r) => r.fRefs)}), tempo x2 ${k((r) => r.tempoOctave)}, ` +
                `suggestion 1 on a beat ${k((r) => r.s1Beat)}`);
}
const goals = [
    ["beat F against essentia at least 0.80", mean((r) => r.fEss) >= 0.8,
     num(mean((r) => r.fEss))],
    ["tempo agrees with essentia (x2 allowed) on 90 %", count((r) => r.tempoOctave) >= 0.9 * n,
     share(count((r) => r.tempoOctave))],
    ["suggestion 1 on an essentia beat on 85 %", count((r) => r.s1Beat) >= 0.85 * n,
     share(count((r) => r.s1Beat))],
    ["suggestion 1 louder than the median window on 90 %",
     count((r) => r.s1Rank > 0.5) >= 0.9 * n, share(count((r) => r.s1Rank > 0.5))],
    ["no suggestions overlapping by more than 2 s", count((r) => r.overlap > 2.0) === 0,
     `${count((r) => r.overlap > 2.0)} tracks (most ${num(Math.max(0, ...rows.map((r) => r.overlap)), 1)} s)`],
];
let failed = 0;
console.log("");
for (const [goal, met, figure] of goals) {
    console.log(`${met ? "ok  " : "FAIL"}  ${pad(goal, 52)} ${figure}`);
    failed += met ? 0 : 1;
}
process.exit(failed ? 1 : 0);
