// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's private folder for clip files, the recording page's tempwav.wav, the joined
// concat.wav and the crop's scratch files. It is the per-user application data folder plus
// "korvanel/" by default; tests hand in a temporary folder. Created at start when missing,
// emptied (files only) at exit. Nothing in it survives a run that ends through the exit
// sequence; after a crash the journal of the clip list lets the next start restore it.
class WorkFolder {
public:
    explicit WorkFolder(QString path);
    // ~/.local/share/korvanel on Linux (the per-user data folder of the platform).
    static QString defaultPath();

    const QString& path() const { return m_path; }
    // path() joined with a file name.
    QString file(const QString& name) const;
    // The clip file of an entry text: the entry text plus ".wav".
    QString clipFile(const QString& clipName) const;
    QString tempWav() const { return file(QStringLiteral("tempwav.wav")); }
    QString concatWav() const { return file(QStringLiteral("concat.wav")); }
    // The crop's two scratch files: the clip as it was, and the cut result. Clip files all
    // end in ".wav", so these names can never be a clip's.
    QString cropSource() const { return file(QStringLiteral("crop-source.tmp")); }
    QString cropResult() const { return file(QStringLiteral("crop-result.tmp")); }
    // The clip list of the running program (ClipListJournal) and the lock that keeps a
    // second instance out of the folder. Neither ends in ".wav", so no clip has these names.
    QString journalFile() const { return file(QStringLiteral("cliplist.json")); }
    QString lockFile() const { return file(QStringLiteral("instance.lock")); }
    // The folder of the clips' peak files (the outlines the editor draws).
    QString peaksFolder() const { return file(QStringLiteral("peaks")); }
    // The folder of the clips' analysis files (beats, bars, sections: analysis/analysis_file).
    QString analysisFolder() const { return file(QStringLiteral("analysis")); }
    // The folder of the clip files that the undo history may bring back.
    QString historyFolder() const { return file(QStringLiteral("history")); }
    // The names of the scratch files above. Of these only the ".wav" ones could be a clip's file,
    // so clip names keep clear of them.
    static QStringList ownFileNames();

    // Creates the folder when nothing of that name exists. A file of that name is left
    // alone (later writes into the folder fail and say so). Removes the program's own files
    // (ownFileNames) that a run which did not end properly left behind; clip files stay.
    // Returns whether the folder exists.
    bool prepare() const;
    // Deletes every file in the folder but the lock, which its owner removes when it lets
    // go, and the peaks, analysis and history folders with their files; the folder itself
    // stays.
    // Errors are ignored.
    void empty() const;

private:
    QString m_path;
};
