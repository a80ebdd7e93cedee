// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ClipListBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class WaveformView;

// The controls of the "Audio Edit" page, each carrying its name as objectName. The page
// frame owns them (Qt parent); this struct only points at them, so the list, the editor,
// list playback and list saving each get the widgets they work with.
//
// Places, in pixels within the page (within Frame2 or Frame3 where they sit there):
//   List1 16,24 265×273 · CmdAdd, Cmdremove, CmdUP, CmdDown 288,24/72/120/168 41×41 ·
//   CmdIns 288,216 41×25 · Label6 16,304 193×41 · Text1 (the encoder's status code,
//   read-only) 224,312 57×21
//   Frame3 "Edit Song" 344,8 345×210: Waveform 12,20 321×60 · SliderEdit 12,82 321×20 ·
//   Lblin, Lbltotal, Lblout 12/132/253,102 80×17 · txtMarkIn, txtKept, txtMarkOut (m:ss.mmm)
//   12/132/257,121 76×22 · CmdEditPlay, CmdEditStop, CmdPlaySel 12/56/100,147 41×41 ·
//   CmdMarkin "Mark In" 146,147 60×25 · CmdMarkOut "Mark Out" 208,147 62×25 ·
//   CmdEditDone "Done" 272,147 61×25 · chkSmooth "Smooth cuts" 146,174 187×19
//   Frame2 "List Control" 344,222 345×73: CmdFoward, CmdPlay, CmdPause, CmdStop, CmdNext
//   12/56/100/144/188,24 41×41 · Check1 "Play List" 240,22 97×21 · lblListPos (the list
//   player's position, "m:ss of m:ss") 240,46 97×17
//   CmdSaveWav "Save The List to Wav" 344,298 169×24 · CmdSaveList "Save The List to MP3"
//   520,298 169×24 · CmdRingtone "Save as Ringtone" 344,325 345×24
struct FramewavControls {
    ClipListBox* List1 = nullptr; // a view of the page's ClipList
    QPushButton* CmdAdd = nullptr;
    QPushButton* Cmdremove = nullptr;
    QPushButton* CmdUP = nullptr;
    QPushButton* CmdDown = nullptr;
    QPushButton* CmdIns = nullptr;
    QLabel* Label6 = nullptr;

    QGroupBox* Frame3 = nullptr;
    WaveformView* Waveform = nullptr;
    QSlider* SliderEdit = nullptr;
    QLabel* Lblin = nullptr;
    QLabel* Lbltotal = nullptr;
    QLabel* Lblout = nullptr;
    QPushButton* CmdEditPlay = nullptr;
    QPushButton* CmdEditStop = nullptr;
    QPushButton* CmdMarkin = nullptr;
    QPushButton* CmdMarkOut = nullptr;
    QPushButton* CmdEditDone = nullptr;
    QLineEdit* txtMarkIn = nullptr;
    QLineEdit* txtKept = nullptr;
    QLineEdit* txtMarkOut = nullptr;
    QPushButton* CmdPlaySel = nullptr;
    QCheckBox* chkSmooth = nullptr;

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
    QPushButton* CmdRingtone = nullptr;
    QLineEdit* Text1 = nullptr;

    // Creates every control inside `page` at its place. Buttons start enabled (CmdPause is
    // a toggle: it shows itself pressed while the list is paused); the page's
    // start-up step disables the editor and list-playback ones and its SetLng sets the
    // tooltips.
    static FramewavControls create(QGroupBox& page);
};
