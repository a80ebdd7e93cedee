// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/framewav_controls.h"

#include "cliplist/ui/clip_list_box.h"
#include "pagekit/clip_pictures.h"
#include "waveform/ui/waveform_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSlider>

namespace {

template <typename Control> Control* named(Control* control, const char* name, QRect place) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    return control;
}

QPushButton* pictureButton(QWidget* parent, const char* name, QRect place,
                           int size = clippictures::PictureSize) {
    auto* button = named(new QPushButton(parent), name, place);
    button->setIcon(QIcon(clippictures::buttonPicture(QLatin1String(name))));
    button->setIconSize(QSize(size, size));
    return button;
}

QPushButton* captionButton(QWidget* parent, const char* name, const char* caption, QRect place) {
    auto* button = named(new QPushButton(QLatin1String(caption), parent), name, place);
    return button;
}

QLabel* timeLabel(QWidget* parent, const char* name, QRect place, Qt::Alignment alignment) {
    auto* label = named(new QLabel(QStringLiteral("00:00:00"), parent), name, place);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// A time to the millisecond (m:ss.mmm) that can be typed.
QLineEdit* timeEdit(QWidget* parent, const char* name, QRect place, Qt::Alignment alignment) {
    auto* edit = named(new QLineEdit(parent), name, place);
    edit->setAlignment(alignment | Qt::AlignVCenter);
    edit->setText(QStringLiteral("0:00.000"));
    return edit;
}

} // namespace

FramewavControls FramewavControls::create(QGroupBox& page) {
    FramewavControls c;
    c.List1 = named(new ClipListBox(&page), "List1", {16, 24, 265, 273});
    c.CmdAdd = pictureButton(&page, "CmdAdd", {288, 24, 41, 41});
    c.Cmdremove = pictureButton(&page, "Cmdremove", {288, 72, 41, 41});
    c.CmdUP = pictureButton(&page, "CmdUP", {288, 120, 41, 41});
    c.CmdDown = pictureButton(&page, "CmdDown", {288, 168, 41, 41});
    c.CmdIns = captionButton(&page, "CmdIns", "Insert", {288, 216, 41, 25});
    c.Label6 = named(new QLabel(&page), "Label6", {16, 304, 193, 41});
    c.Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    c.CmdUndo = pictureButton(&page, "CmdUndo", {288, 246, 41, 25}, 18);
    c.CmdRedo = pictureButton(&page, "CmdRedo", {288, 272, 41, 25}, 18);

    c.Frame3 =
        named(new QGroupBox(QStringLiteral("Edit Song"), &page), "Frame3", {344, 8, 345, 206});
    c.Waveform = named(new WaveformView(c.Frame3), "Waveform", {12, 18, 321, 52});
    c.SliderEdit = named(new QSlider(Qt::Horizontal, c.Frame3), "SliderEdit", {12, 72, 321, 18});
    c.Lblin = timeLabel(c.Frame3, "Lblin", {12, 90, 80, 16}, Qt::AlignLeft);
    c.Lbltotal = timeLabel(c.Frame3, "Lbltotal", {132, 90, 80, 16}, Qt::AlignHCenter);
    c.Lblout = timeLabel(c.Frame3, "Lblout", {253, 90, 80, 16}, Qt::AlignRight);
    c.txtMarkIn = timeEdit(c.Frame3, "txtMarkIn", {12, 107, 76, 21}, Qt::AlignLeft);
    c.txtKept = timeEdit(c.Frame3, "txtKept", {132, 107, 80, 21}, Qt::AlignHCenter);
    c.txtMarkOut = timeEdit(c.Frame3, "txtMarkOut", {257, 107, 76, 21}, Qt::AlignRight);
    c.CmdEditPlay = pictureButton(c.Frame3, "CmdEditPlay", {12, 131, 41, 36});
    c.CmdEditStop = pictureButton(c.Frame3, "CmdEditStop", {56, 131, 41, 36});
    c.CmdPlaySel = pictureButton(c.Frame3, "CmdPlaySel", {100, 131, 41, 36});
    c.CmdMarkin = captionButton(c.Frame3, "CmdMarkin", "Mark In", {146, 131, 60, 25});
    c.CmdMarkOut = captionButton(c.Frame3, "CmdMarkOut", "Mark Out", {208, 131, 62, 25});
    c.CmdEditDone = captionButton(c.Frame3, "CmdEditDone", "Done", {272, 131, 61, 25});
    c.chkSmooth = named(new QCheckBox(QStringLiteral("Smooth cuts"), c.Frame3), "chkSmooth",
                        {146, 157, 187, 17});
    c.chkSmooth->setChecked(true);
    c.CmdFadeIn = pictureButton(c.Frame3, "CmdFadeIn", {12, 178, 24, 22}, 16);
    c.CmdFadeOut = pictureButton(c.Frame3, "CmdFadeOut", {38, 178, 24, 22}, 16);
    c.txtFade =
        named(new QLineEdit(QStringLiteral("1.0 s"), c.Frame3), "txtFade", {64, 178, 38, 22});
    c.CmdGain = pictureButton(c.Frame3, "CmdGain", {106, 178, 24, 22}, 16);
    c.txtGain =
        named(new QLineEdit(QStringLiteral("+3 dB"), c.Frame3), "txtGain", {132, 178, 40, 22});
    c.CmdNormalise = pictureButton(c.Frame3, "CmdNormalise", {176, 178, 24, 22}, 16);
    c.cboLoudness = named(new QComboBox(c.Frame3), "cboLoudness", {202, 178, 92, 22});
    for (const char* level : {"-14 LUFS", "-16 LUFS", "-23 LUFS"})
        c.cboLoudness->addItem(QLatin1String(level));
    c.chkNormaliseAll = named(new QCheckBox(QStringLiteral("All"), c.Frame3), "chkNormaliseAll",
                              {297, 180, 36, 18});

    c.Frame2 =
        named(new QGroupBox(QStringLiteral("List Control"), &page), "Frame2", {344, 218, 345, 73});
    c.CmdFoward = pictureButton(c.Frame2, "CmdFoward", {12, 24, 41, 41});
    c.CmdPlay = pictureButton(c.Frame2, "CmdPlay", {56, 24, 41, 41});
    c.CmdPause = pictureButton(c.Frame2, "CmdPause", {100, 24, 41, 41});
    c.CmdStop = pictureButton(c.Frame2, "CmdStop", {144, 24, 41, 41});
    c.CmdNext = pictureButton(c.Frame2, "CmdNext", {188, 24, 41, 41});
    c.CmdPause->setCheckable(true);
    c.Check1 =
        named(new QCheckBox(QStringLiteral("Play List"), c.Frame2), "Check1", {240, 22, 97, 21});
    c.lblListPos = named(new QLabel(c.Frame2), "lblListPos", {240, 46, 97, 17});

    // Two rows of lower buttons, so that the ringtone's fits below the list's two.
    c.CmdSaveWav = captionButton(&page, "CmdSaveWav", "Save The List to Wav", {344, 298, 169, 24});
    c.CmdSaveList =
        captionButton(&page, "CmdSaveList", "Save The List to MP3", {520, 298, 169, 24});
    c.CmdRingtone = captionButton(&page, "CmdRingtone", "Save as Ringtone", {344, 325, 345, 24});
    c.Text1 = named(new QLineEdit(&page), "Text1", {224, 312, 57, 21});
    c.Text1->setReadOnly(true);
    c.Text1->setAlignment(Qt::AlignRight);
    return c;
}
