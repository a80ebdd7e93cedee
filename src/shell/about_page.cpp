// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/about_page.h"

#include "base/app_info.h"
#include "pagekit/toolbar_icons.h"

#include <QLabel>

namespace {

QLabel* label(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

FrameAbout::FrameAbout(QWidget* parent) : QGroupBox(parent) {
    m_picIcon = label(this, "picIcon", QRect(42, 40, 36, 36));
    m_picIcon->setPixmap(toolbaricons::programIcon(36));
    m_lblTitle = label(this, "lblTitle", QRect(96, 40, 259, 32));
    m_lblVersion = label(this, "lblVersion", QRect(96, 76, 259, 15));
    m_lblDescription = label(this, "lblDescription", QRect(96, 99, 259, 78));
    m_label7 = label(this, "Label7", QRect(96, 192, 249, 57));

    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSize(15);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);

    QFont smallFont = m_lblDescription->font();
    smallFont.setPointSizeF(7.5);
    m_lblVersion->setFont(smallFont);
    m_lblDescription->setFont(smallFont);
    m_lblDescription->setWordWrap(true);
}

void FrameAbout::fill() {
    m_lblVersion->setText(tr("Version %1.%2.%3")
                              .arg(appinfo::VersionMajor)
                              .arg(appinfo::VersionMinor)
                              .arg(appinfo::VersionRevision));
    m_lblTitle->setText(QLatin1String(appinfo::Title));
    m_lblDescription->setText(tr(appinfo::Description));
    m_label7->setText(
        tr("Support :\r\n%1\r\n%2")
            .arg(QLatin1String(appinfo::SupportAddress1), QLatin1String(appinfo::SupportAddress2)));
}
