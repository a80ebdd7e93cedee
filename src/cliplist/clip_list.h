// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/work_folder.h"
#include "wav/clip_stamp.h"
#include "wav/wav_header.h"

#include <QAbstractListModel>
#include <QStringList>

#include <cstdint>
#include <vector>

// The clip list of the "Audio Edit" page: the clips in their order, which is the play order
// and the order in which "Save The List" joins them. Each clip has a name (the entry text,
// also what names its clip file: the work folder's name + ".wav", or + ".mp3" for a kept MP3)
// and, read from that file when the clip is put in or refreshed, its file, its sample format
// and its length in frames.
//
// A clip is a stretch of its file (ClipRange): "Done" moves the stretch and leaves the file
// as it is, so the file of a clip cut from a song is still the song.
//
// A list view shows it (the display role is the clip name); every change goes through the
// operations below, which emit Qt's model signals, so views and anything else that follows
// the list stay in step. Nothing here touches the clip files except to read their headers:
// writing and deleting them is the callers' work, done before they change the list.
//
// GUI thread only.
class ClipList : public QAbstractListModel {
    Q_OBJECT
public:
    struct Clip {
        QString name;
        WavFormat format;        // all zero when the file could not be read
        std::int64_t frames = 0; // of the clip's stretch
        // Its file in the work folder: the name plus ".wav", or plus the suffix of a kept
        // compressed file (WorkFolder::keptSuffixes).
        QString file;
        // The file as it was when the clip was put in or refreshed.
        ClipStamp stamp;
        // Its stretch of the file: from firstFrame on, `frames` frames, fadeFrames faded in
        // at its start and out at its end.
        std::int64_t firstFrame = 0;
        std::int64_t fadeFrames = 0;

        // The clip as its readers take it: the whole file stands for an uncut clip.
        ClipRange range() const;
    };
    // RangeRole: the stretch of a cut clip as [first frame, frames, fade frames], nothing for
    // a clip that is its whole file.
    enum Role { FileRole = Qt::UserRole + 1, FramesRole, RangeRole };

    explicit ClipList(WorkFolder workFolder, QObject* parent = nullptr);

    // A clip named `name` as the file the folder holds for it is now.
    Clip describe(const QString& name) const;
    // The clip `name` of the file `file` as it is now. A compressed file is counted (a pass
    // over its packets), so this runs on a background job where the file may be long.
    static Clip describeFile(const QString& name, const QString& file);
    // What an entry's tooltip says of its clip: length (m:ss) and format, e.g.
    // "0:27 · 44100 Hz · stereo · 16-bit"; "no sound" when its file could not be read.
    static QString summary(const Clip& clip);

    int count() const { return int(m_clips.size()); }
    const Clip& at(int row) const { return m_clips.at(std::size_t(row)); }
    QString clipFile(int row) const;
    ClipRange range(int row) const { return at(row).range(); }
    // Whether the clip's file is still what the list read (clipStampOf): a file changed
    // behind the program's back is never read as if it were the clip. The failure names the
    // clip and its file, for the user.
    Status unchanged(int row) const;
    // unchanged() of every clip: the first clip that changed.
    Status allUnchanged() const;
    // The clip names in list order.
    QStringList names() const;
    // The row whose clip file is `clipFile`, -1 for none.
    int rowOfFile(const QString& clipFile) const;

    // Puts `name` at the end, or before `row` (0 … count()), reading its file's format.
    void append(const QString& name);
    void insert(int row, const QString& name);
    // The same with the clip already described (by whoever wrote its file).
    void insert(int row, Clip clip);
    void remove(int row);
    // Moves the clip at `from` so that it ends up at row `to` (both 0 … count() - 1).
    // Returns false, changing nothing, for rows out of range.
    bool move(int from, int to);
    // Reads the clip file of `row` again, after it was rewritten (an effect): the clip is the
    // whole file again.
    void refresh(int row);
    // The clip at `row` becomes the stretch `range` of its file (a crop, or its undo).
    // False, changing nothing, for another file or a stretch that is empty or runs past the
    // file's end as the list read it.
    bool setRange(int row, const ClipRange& range);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The display role is the name, the tooltip role the summary.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Entries can be dragged (to another place in the list; the view asks for the move).
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    WorkFolder m_workFolder;
    std::vector<Clip> m_clips;
};
