// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's private folder for clip files, the recording page's tempwav.wav and the
// crop's scratch files. It is the per-user application data folder plus
// "korvanel/" by default; tests hand in a temporary folder. Created at start when missing,
// emptied (files only) at exit. Nothing in it survives a run that ends through the exit
// sequence; after a crash the journal of the clip list lets the next start restore it.
//
// The folder holds the user's voice: only the user may enter it (0700), and what the program
// writes into it is the user's alone. Whatever else is found in it (a link, a pipe, a folder
// where a file belongs) is never followed, read or written through: see base/no_follow.h.
class WorkFolder {
public:
    explicit WorkFolder(QString path);
    // ~/.local/share/korvanel on Linux (the per-user data folder of the platform).
    static QString defaultPath();

    const QString& path() const { return m_path; }
    // path() joined with a file name.
    QString file(const QString& name) const;
    // The WAV clip file of an entry text: the entry text plus ".wav". What a decode, a take or
    // a change of the samples writes.
    QString clipFile(const QString& clipName) const;
    // The suffixes of clip files kept as the user's file came, compressed ("mp3", "flac"):
    // their exact length is known without a decode. A clip has one file, of one of these
    // forms or a WAV.
    static const QStringList& keptSuffixes();
    // Whether `clipPath` names a kept compressed clip file (by its suffix, as the folder names
    // them), which is read through the decoder, not as a WAV.
    static bool isKeptFile(const QString& clipPath);
    // Every name a clip's file may have: the WAV first, then the kept forms.
    static QStringList clipFileNames(const QString& clipName);
    // The clip's file as the folder holds it: the first of clipFileNames() that is a plain
    // file; clipFile() when there is none. For what is found on disk (a restore); the clip
    // list knows the file of each of its clips.
    QString clipFileFound(const QString& clipName) const;
    // A clip name that names a file inside the folder and nothing else: no "/", no NUL, and
    // neither "." nor "..". Names read back from a file (the journal) must be plain.
    static bool isPlainName(const QString& clipName);
    // Makes way for a new clip file of `clipName`: an entry of any of its names that is not a
    // plain file (a link, a pipe) is removed as itself, since writing the new file would go through
    // it to wherever it leads. A plain file stays, to be replaced.
    void clearForClip(const QString& clipName) const;
    // The clips whose files are in the folder: the names of its regular files ending in
    // ".wav" or a kept suffix without that ending, each once, the folder's own files left
    // out, in file name order.
    QStringList clipFilesFound() const;
    QString tempWav() const { return file(QStringLiteral("tempwav.wav")); }
    // The crop's two scratch files: the clip as it was, and the cut result. Clip files all
    // end in ".wav", so these names can never be a clip's.
    QString cropSource() const { return file(QStringLiteral("crop-source.tmp")); }
    QString cropResult() const { return file(QStringLiteral("crop-result.tmp")); }
    // The take being recorded, written as it comes (TakeSpool); after a crash the next start
    // offers what it holds. Not a ".wav" name, so no clip has it.
    QString takeSpool() const { return file(QStringLiteral("take-recording.tmp")); }
    // The clip list of the running program (ClipListJournal) and the lock that keeps a
    // second instance out of the folder. Neither ends in ".wav", so no clip has these names.
    QString journalFile() const { return file(QStringLiteral("cliplist.json")); }
    QString lockFile() const { return file(QStringLiteral("instance.lock")); }
    // Where the instance that holds the lock says its hand-over socket is, when the runtime
    // folder of the session does not hold it (SingleInstance).
    QString addressFile() const { return file(QStringLiteral("instance.address")); }
    // The folder of the clips' peak files (the outlines the editor draws).
    QString peaksFolder() const { return file(QStringLiteral("peaks")); }
    // The folder of the clips' analysis files (beats, bars, sections: analysis/analysis_file).
    QString analysisFolder() const { return file(QStringLiteral("analysis")); }
    // The folder of the clip files that the undo history may bring back.
    QString historyFolder() const { return file(QStringLiteral("history")); }
    // The names of the scratch files above. Of these only the ".wav" ones could be a clip's file,
    // so clip names keep clear of them.
    static QStringList ownFileNames();

    // Creates the folder when nothing of that name exists (its parents as needed), or
    // makes an existing one private again (a looser mode is tightened, as are the peaks and
    // history folders). A file of that name is left alone (later writes into the folder fail
    // and say so). Returns whether the folder exists.
    bool create() const;
    // create(), then removes the program's own files (ownFileNames) that a run which did not
    // end properly left behind; clip files stay. Only for the instance that holds the lock.
    bool prepare() const;
    // Deletes every file in the folder but the lock and the hand-over's address, which their
    // owner removes when it lets go, and the peaks, analysis and history folders with their
    // files; the
    // folder itself stays. Links are removed as links: nothing they point to is touched.
    // Errors are ignored.
    void empty() const;

private:
    QString m_path;
};
