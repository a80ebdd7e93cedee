// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ClipListBox;
class QCheckBox;
class QComboBox;
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
//   CmdIns 288,216 41×25 · CmdUndo, CmdRedo 288,246/272 41×25 · Label6 16,304 193×41 ·
//   Text1 (the encoder's status code, read-only) 224,312 57×21
//   Frame3 "Edit Song" 344,8 345×206: Waveform 12,18 321×52 · SliderEdit 12,72 321×18 ·
//   Lblin, Lbltotal, Lblout 12/132/253,90 80×16 · txtMarkIn, txtKept, txtMarkOut (m:ss.mmm)
//   12/132/257,107 76×21 · CmdEditPlay, CmdEditStop, CmdPlaySel 12/56/100,131 41×36 ·
//   CmdMarkin "Mark In" 146,131 60×25 · CmdMarkOut "Mark Out" 208,131 62×25 ·
//   CmdEditDone "Done" 272,131 61×25 · chkSmooth "Smooth cuts" 146,157 187×17 ·
//   the effects row at y 178, 22 high: CmdFadeIn 12 · CmdFadeOut 38 (24 wide) · txtFade
//   (seconds) 64 38 wide · CmdGain 106 · txtGain (dB) 132 40 wide · CmdNormalise 176 ·
//   cboLoudness 202 92 wide · chkNormaliseAll "All" 297 36 wide
//   Frame2 "List Control" 344,218 345×73: CmdFoward, CmdPlay, CmdPause, CmdStop, CmdNext
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
    QPushButton* CmdUndo = nullptr;
    QPushButton* CmdRedo = nullptr;
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
    QPushButton* CmdFadeIn = nullptr;
    QPushButton* CmdFadeOut = nullptr;
    QLineEdit* txtFade = nullptr;
    QPushButton* CmdGain = nullptr;
    QLineEdit* txtGain = nullptr;
    QPushButton* CmdNormalise = nullptr;
    QComboBox* cboLoudness = nullptr;
    QCheckBox* chkNormaliseAll = nullptr;

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
