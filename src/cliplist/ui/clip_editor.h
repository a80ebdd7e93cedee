// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <functional>

class Framewav;
class QLineEdit;
class QShortcut;
class QWidget;
struct AppContext;
struct FramewavControls;

// The clip editor of the "Audio Edit" page (frame Frame3, "Edit Song"): a double click on an
// entry opens its clip in the edit player MMCEdit, the user plays it, seeks with SliderEdit,
// sets the marks from the playing position, and "Done" crops the clip file in place to the
// stretch from MarkIn to MarkOut (ClipCrop).
//
// The slider counts whole seconds; the time labels Lblin, Lbltotal and Lblout show seconds as
// "hh:mm:ss" (edittime). Beside them the waveform view shows the clip with the marks as
// handles and the playhead, and three boxes show mark-in, mark-out and the kept length to
// the millisecond ("m:ss.mmm"). The marks are one state: "Mark In" / "Mark Out", a drag of a
// handle and a typed time all set MarkIn / MarkOut, and the view, the boxes and the labels
// follow. While the clip plays, the playhead moves every PlayheadMs.
//
// Keys while a clip is open: Space plays and stops, I and O set the marks at the playhead,
// Home and End move the playhead, P plays the kept stretch, Enter is "Done". The editor is open
// from List1_DblClick until Done, a single click or Remove; only while it is open are its buttons,
// Done and the slider enabled (disableEditor), so nothing here acts on a closed player or crops
// with marks of another clip.
//
// The page creates it and wires the controls and MMCEdit's statusUpdate to the slots; the
// page must outlive it. GUI thread only.
class ClipEditor : public QObject {
    Q_OBJECT
public:
    static constexpr int PlayheadMs = 15;
    // The fade at each end of a cut while "Smooth cuts" is checked.
    static constexpr int SmoothCutMs = 5;

    explicit ClipEditor(Framewav& page);
    ~ClipEditor() override;

    // "Edit" while a clip is open, "Play" after Done, empty until the first double click.
    const QString& EditMode() const { return m_editMode; }
    // The marks in milliseconds of the clip's sound.
    std::int64_t MarkIn() const { return m_markInMs; }
    std::int64_t MarkOut() const { return m_markOutMs; }
    // The command strings the last Done sent, in order.
    const QStringList& sentCommands() const { return m_sent; }

    // Disables Play, Stop, Mark In, Mark Out, Done and the slider: the editor is closed.
    // EditMode, the marks and the labels stay as they are.
    void disableEditor();
    // The row of the clip open in the editor, -1 when the editor is closed.
    int openRow() const;
    // Around a new version of a clip file written by someone else: the edit player lets go
    // of the open clip, and takes it back afterwards (the same marks, as far as they fit).
    void letGo();
    void takeBack();
    // A key that acts only while a clip is open (and no box is being typed in).
    void addKey(const QKeySequence& key, const std::function<void()>& action);

public slots:
    // Opens the selected entry's clip: the list player is stopped and closed, the clip opened
    // in MMCEdit, the slider's maximum set to the length in seconds (rounded, halves to even)
    // and its value to 0, MarkIn = 0, MarkOut = the length, Lbltotal and Lblout show the
    // length and Lblin "00:00:00"; the editor's controls are enabled and the list-playback
    // buttons disabled. A clip that cannot be opened is named in a message and the editor
    // stays closed. Nothing happens when no entry is selected.
    void List1_DblClick();
    // Plays from the current position.
    void CmdEditPlay_Click();
    // Stops; the position stays.
    void CmdEditStop_Click();
    // Plays from the slider's value (seconds).
    void SliderEdit_Click();
    // MMCEdit's status notification: Lbltotal shows the playing position and the slider
    // follows it (unless the user holds the slider).
    void MMCEdit_StatusUpdate();
    // MarkIn / MarkOut = the player's position now; Lblin / Lblout show the slider's value.
    void CmdMarkin_Click();
    void CmdMarkOut_Click();
    // A handle dragged, or a time typed: the mark is set there (Lblin / Lblout show it in
    // whole seconds). A typed time that cannot be read puts the boxes back as they were.
    void setMarkIn(std::int64_t ms);
    void setMarkOut(std::int64_t ms);
    // "Play Selection": plays from MarkIn and stops at MarkOut.
    void CmdPlaySel_Click();
    // Moves the playhead (the player's position) to `ms`; a playing clip goes on from there.
    void movePlayhead(std::int64_t ms);
    // Space: plays, or stops a playing clip.
    void playOrStop();
    // The playhead follows the player; a played selection stops at its end.
    void followPlayer();
    // Crops the open clip to the marks. Marks in the wrong order (or equal) show "Time Input
    // Error" and change nothing. Otherwise the player is stopped and closed, the clip cut
    // through ClipCrop, EditMode becomes "Play" and the editor's controls are disabled; a
    // crop that fails is shown in one message naming the clip, whose file stays as it was.
    void CmdEditDone_Click();

protected:
    // A click on SliderEdit ends with the release of the mouse button.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const AppContext& context() const;
    QWidget* dialogParent() const;
    const FramewavControls& controls() const;
    void setEditorEnabled(bool enabled);
    QString clipName() const;
    void showMarks();
    void typed(QLineEdit* box);
    void showPeaks(const QString& clipPath);
    void showWaveform(const QString& clip, std::int64_t lengthMs);

    Framewav& m_page;
    QString m_editMode;
    std::int64_t m_markInMs = 0;
    std::int64_t m_markOutMs = 0;
    QString m_clipFile; // the clip open in the editor
    QStringList m_sent;
    QTimer m_playhead;
    std::int64_t m_selectionEndMs = -1; // where a played selection stops
    QList<QShortcut*> m_keys;
    QString m_letGo; // the clip let go by letGo(), to take back
};
