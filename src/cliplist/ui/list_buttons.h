// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagekit/page_services.h"

#include <QStringList>
#include <QWidget>

class ClipImport;
class ClipList;
class EditHistory;
class EditSession;
class QItemSelectionModel;
class QPushButton;

// The buttons beside the clip list of the "Audio Edit" page: "Add New" (CmdAdd), "Remove Form
// List" (Cmdremove), "Move UP" (CmdUP), "Move Down" (CmdDown), "Insert" (CmdIns), "Undo"
// (CmdUndo) and "Redo" (CmdRedo). The list itself is the page's ClipList; the selection is
// that of its view.
//
// Adding goes through ClipImport; moving, removing, undo and redo are steps of the history.
// While the window is held by a long operation, or files are still being added, the buttons'
// commands are refused (adding says so).
//
// Places within the column (41×273 at 288,24 of the page): CmdAdd, Cmdremove, CmdUP, CmdDown
// 0/48/96/144 41×41 · CmdIns "Insert" 0,192 41×25 · CmdUndo, CmdRedo 0,222/248 41×25.
//
// GUI thread only; everything handed in outlives the panel.
class ListButtons : public QWidget {
    Q_OBJECT
public:
    ListButtons(ClipList& clips, EditHistory& history, ClipImport& import, EditSession& session,
                QItemSelectionModel& selection, PageServices services, QWidget* parent = nullptr);

    // Tooltips, then the keys: Ctrl+O "Add New", Delete "Remove Form List", Ctrl+Up "Move UP",
    // Ctrl+Down "Move Down", Ctrl+Z "Undo", Ctrl+Shift+Z and Ctrl+Y "Redo"; a key clicks its
    // button only while the button can be clicked.
    void SetLng();
    void assignKeys();

    // Adds `paths` in order, the first before `row` (-1: at the end). With `gather` the
    // failures are told in one message at the end. Refused with a message while files are
    // still being added or the window is held.
    void addFiles(const QStringList& paths, int row, bool gather);
    // Moves the clip at `from` to row `to` and selects it there (also a drag within the list).
    void moveClip(int from, int to);
    // "Undo Crop of song (Ctrl+Z)": what the two buttons would do now, as their tooltips say.
    QString undoText() const;
    QString redoText() const;

public slots:
    // "Add New": asks for one or more sound files and adds them at the end. Cancel changes
    // nothing. The dialog opens in the folder of the last file added, at first in the base
    // folder.
    void CmdAdd_Click();
    // "Insert": as "Add New", but the clips go before the selected entry (at the end when
    // none is selected).
    void CmdIns_Click();
    // "Move UP" / "Move Down": the selected clip changes places with its neighbour; the
    // selection follows it. The clip files stay as they are. Each button is enabled only
    // while the selected entry can move that way.
    void CmdUP_Click();
    void CmdDown_Click();
    // "Remove Form List": stops and closes both players, asks "Are you sure you want to
    // delete <name> ?" when an entry is selected and on Yes the clip goes into the history's
    // keeping and the entry goes; then the editor closes.
    void Cmdremove_Click();
    // "Undo" and "Redo": both players let go and the editor closes (releaseRequested), then
    // the last step is taken back or made again. Each button is enabled only while there is
    // a step to take, and its tooltip names it ("Undo Crop of song").
    void CmdUndo_Click();
    void CmdRedo_Click();

signals:
    // The players and the editor must let go of the clips now (a step of the history is
    // about to change them).
    void releaseRequested();

private:
    void askAndAdd(int row);
    void stepHistory(bool back);
    void showHistory();
    void updateMoveButtons();
    bool refuses() const;

    ClipList& m_clips;
    EditHistory& m_history;
    ClipImport& m_import;
    EditSession& m_session;
    QItemSelectionModel& m_selection;
    PageServices m_services;

    QPushButton* m_cmdAdd = nullptr;
    QPushButton* m_cmdremove = nullptr;
    QPushButton* m_cmdUP = nullptr;
    QPushButton* m_cmdDown = nullptr;
    QPushButton* m_cmdIns = nullptr;
    QPushButton* m_cmdUndo = nullptr;
    QPushButton* m_cmdRedo = nullptr;
};
