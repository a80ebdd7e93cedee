// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ClipListBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// The controls of the "Audio Edit" page, each carrying its name as objectName. The page
// frame owns them (Qt parent); this struct only points at them, so the list, the editor,
// list playback and list saving each get the widgets they work with.
//
// Places, in pixels within the page (within Frame2 or Frame3 where they sit there):
//   List1 16,24 265×273 · CmdAdd, Cmdremove, CmdUP, CmdDown 288,24/72/120/168 41×41 ·
//   CmdIns 288,216 41×25 · Label6 16,304 193×41
//   Frame3 "Edit Song" 344,16 345×137: SliderEdit 12,24 321×25 · Lblin, Lbltotal, Lblout
//   12/132/253,52 80×17 · CmdEditPlay, CmdEditStop 12/56,80 41×41 · CmdMarkin "Mark In"
//   108,88 73×25 · CmdMarkOut "Mark Out" 184,88 73×25 · CmdEditDone "Done" 260,88 73×25
//   Frame2 "List Control" 344,160 345×73: CmdFoward, CmdPlay, CmdPause, CmdStop, CmdNext
//   12/56/100/144/188,24 41×41 · Check1 "Play List" 240,22 97×21 · lblListPos (the list
//   player's position, "m:ss of m:ss") 240,46 97×17
//   CmdSaveWav "Save The List to Wav" 344,248 169×33 · CmdSaveList "Save The List to MP3"
//   520,248 169×33 · Text1 (the encoder's status code, read-only) 632,312 57×21
struct FramewavControls {
    ClipListBox* List1 = nullptr; // a view of the page's ClipList
    QPushButton* CmdAdd = nullptr;
    QPushButton* Cmdremove = nullptr;
    QPushButton* CmdUP = nullptr;
    QPushButton* CmdDown = nullptr;
    QPushButton* CmdIns = nullptr;
    QLabel* Label6 = nullptr;

    QGroupBox* Frame3 = nullptr;
    QSlider* SliderEdit = nullptr;
    QLabel* Lblin = nullptr;
    QLabel* Lbltotal = nullptr;
    QLabel* Lblout = nullptr;
    QPushButton* CmdEditPlay = nullptr;
    QPushButton* CmdEditStop = nullptr;
    QPushButton* CmdMarkin = nullptr;
    QPushButton* CmdMarkOut = nullptr;
    QPushButton* CmdEditDone = nullptr;

    QGroupBox* Frame2 = nullptr;
    QPushButton* CmdFoward = nullptr;
    QPushButton* CmdPlay = nullptr;
    QPushButton* CmdPause = nullptr;
    QPushButton* CmdStop = nullptr;
    QPushButton* CmdNext = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* lblListPos = nullptr;

    QPushButton* CmdSaveWav = nullptr;
    QPushButton* CmdSaveList = nullptr;
    QLineEdit* Text1 = nullptr;

    // Creates every control inside `page` at its place. Buttons start enabled (CmdPause is
    // a toggle: it shows itself pressed while the list is paused); the page's
    // start-up step disables the editor and list-playback ones and its SetLng sets the
    // tooltips.
    static FramewavControls create(QGroupBox& page);
};
