// SPDX-License-Identifier: GPL-3.0-or-later
// The reference beat trackers for bench/analysis_real.sh: reads one 44100 Hz mono 16-bit WAV
// and prints {"essentia": {"bpm", "beats"}, "musictempo": {"bpm", "beats"}} as JSON.
// Run with NODE_PATH naming the folder the npm packages were installed in.
"use strict";
const fs = require("fs");
const wav = require("node-wav");
const { Essentia, EssentiaWASM } = require("essentia.js");
const MusicTempo = require("music-tempo");

const decoded = wav.decode(fs.readFileSync(process.argv[2]));
const signal = decoded.channelData[0];
const essentia = new Essentia(EssentiaWASM);
const rhythm = essentia.RhythmExtractor2013(essentia.arrayToVector(signal), 208, "multifeature", 40);
const result = {
    essentia: { bpm: rhythm.bpm, beats: Array.from(essentia.vectorToArray(rhythm.ticks)) },
};
try {
    const tempo = new MusicTempo(signal);
    result.musictempo = { bpm: Number(tempo.tempo), beats: tempo.beats.map(Number) };
} catch (e) {
    result.musictempo = { bpm: 0, beats: [] };
}
process.stdout.write(JSON.stringify(result) + "\n");
