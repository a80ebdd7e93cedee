// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/busy_window.h"

#include "pagekit/toolbar_icons.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {
constexpr int PictureStep = 48;
constexpr int LabelTop = 112;
constexpr int WindowWidth = PictureStep * (FrmLoad::PictureCount - 1) + toolbaricons::BusySize;
constexpr int ProgressTop = 152;
constexpr int WindowHeight = 176;
} // namespace

FrmLoad::FrmLoad(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FrmLoad"));
    setWindowTitle(QStringLiteral("KorvaNel Tunecarver"));
    setFixedSize(WindowWidth, WindowHeight);

    for (int i = 0; i < PictureCount; ++i) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("Picture1_%1").arg(i));
        picture->setGeometry(i * PictureStep, 0, toolbaricons::BusySize, toolbaricons::BusySize);
        picture->setPixmap(toolbaricons::busyPicture(i));
        m_pictures[i] = picture;
    }

    m_label1 = new QLabel(tr("Loading.........."), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    QFont font = m_label1->font();
    font.setPointSize(18);
    font.setBold(true);
    m_label1->setFont(font);
    m_label1->setGeometry(8, LabelTop, WindowWidth - 16, 36);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress"));
    m_progress->setRange(0, 100);
    m_progress->setTextVisible(false);
    m_progress->setGeometry(8, ProgressTop, WindowWidth - 16, 14);
    m_progress->hide();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(TickMs);
    connect(m_timer1, &QTimer::timeout, this, &FrmLoad::Timer1_Timer);
    m_timer1->start();
}

void FrmLoad::setStatusText(const QString& text) {
    m_label1->setText(text);
}

QString FrmLoad::statusText() const {
    return m_label1->text();
}

void FrmLoad::setProgress(int percent) {
    if (percent < 0) {
        m_progress->hide();
        return;
    }
    m_progress->setValue(std::min(percent, 100));
    m_progress->show();
}

int FrmLoad::progress() const {
    return m_progress->isHidden() ? -1 : m_progress->value();
}

void FrmLoad::hideEvent(QHideEvent* event) {
    setProgress(-1);
    QWidget::hideEvent(event);
}

bool FrmLoad::isPictureShown(int index) const {
    return !m_pictures.at(index)->isHidden();
}

void FrmLoad::Timer1_Timer() {
    for (QLabel* picture : m_pictures) {
        if (picture->isHidden()) {
            picture->show();
            break;
        }
    }
    if (!m_pictures.back()->isHidden()) {
        for (QLabel* picture : m_pictures)
            picture->hide();
        m_pictures.front()->show();
    }
}
