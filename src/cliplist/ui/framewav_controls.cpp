// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/framewav_controls.h"

#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/clip_pictures.h"

#include <QCheckBox>
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

QPushButton* pictureButton(QWidget* parent, const char* name, QRect place) {
    auto* button = named(new QPushButton(parent), name, place);
    button->setIcon(QIcon(clippictures::buttonPicture(QLatin1String(name))));
    button->setIconSize(QSize(clippictures::PictureSize, clippictures::PictureSize));
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

    c.Frame3 =
        named(new QGroupBox(QStringLiteral("Edit Song"), &page), "Frame3", {344, 16, 345, 137});
    c.SliderEdit = named(new QSlider(Qt::Horizontal, c.Frame3), "SliderEdit", {12, 24, 321, 25});
    c.Lblin = timeLabel(c.Frame3, "Lblin", {12, 52, 80, 17}, Qt::AlignLeft);
    c.Lbltotal = timeLabel(c.Frame3, "Lbltotal", {132, 52, 80, 17}, Qt::AlignHCenter);
    c.Lblout = timeLabel(c.Frame3, "Lblout", {253, 52, 80, 17}, Qt::AlignRight);
    c.CmdEditPlay = pictureButton(c.Frame3, "CmdEditPlay", {12, 80, 41, 41});
    c.CmdEditStop = pictureButton(c.Frame3, "CmdEditStop", {56, 80, 41, 41});
    c.CmdMarkin = captionButton(c.Frame3, "CmdMarkin", "Mark In", {108, 88, 73, 25});
    c.CmdMarkOut = captionButton(c.Frame3, "CmdMarkOut", "Mark Out", {184, 88, 73, 25});
    c.CmdEditDone = captionButton(c.Frame3, "CmdEditDone", "Done", {260, 88, 73, 25});

    c.Frame2 =
        named(new QGroupBox(QStringLiteral("List Control"), &page), "Frame2", {344, 160, 345, 73});
    c.CmdFoward = pictureButton(c.Frame2, "CmdFoward", {12, 24, 41, 41});
    c.CmdPlay = pictureButton(c.Frame2, "CmdPlay", {56, 24, 41, 41});
    c.CmdPause = pictureButton(c.Frame2, "CmdPause", {100, 24, 41, 41});
    c.CmdStop = pictureButton(c.Frame2, "CmdStop", {144, 24, 41, 41});
    c.CmdNext = pictureButton(c.Frame2, "CmdNext", {188, 24, 41, 41});
    c.CmdPause->setCheckable(true);
    c.Check1 =
        named(new QCheckBox(QStringLiteral("Play List"), c.Frame2), "Check1", {240, 22, 97, 21});
    c.lblListPos = named(new QLabel(c.Frame2), "lblListPos", {240, 46, 97, 17});

    c.CmdSaveWav = captionButton(&page, "CmdSaveWav", "Save The List to Wav", {344, 248, 169, 33});
    c.CmdSaveList =
        captionButton(&page, "CmdSaveList", "Save The List to MP3", {520, 248, 169, 33});
    c.Text1 = named(new QLineEdit(&page), "Text1", {632, 312, 57, 21});
    c.Text1->setReadOnly(true);
    c.Text1->setAlignment(Qt::AlignRight);
    return c;
}
