// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ui/frame_convert.h"

#include "base/app_info.h"
#include "base/clip_copy.h"
#include "base/settings.h"
#include "cliplist/clip_import.h"
#include "codec/mp3_encoder.h"
#include "pagekit/app_context.h"
#include "pagekit/audio_error.h"
#include "pagekit/busy_gate.h"
#include "pagekit/busy_window.h"
#include "pagekit/controls.h"
#include "pagekit/encoder_jobs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

namespace {

// Made when asked, so they are in the language the user chose.
QString wavFilter() {
    return QCoreApplication::translate("FrameConvert", "Wav File(*.wav)|*.wav");
}
QString mp3Filter() {
    return QCoreApplication::translate("FrameConvert", "MP3 File(*.mp3)|*.mp3");
}

QLineEdit* addBox(QWidget* frame, const char* name, const QRect& geometry) {
    auto* box = new QLineEdit(frame);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    return box;
}

QPushButton* addButton(QWidget* frame, const char* name, const char* caption,
                       const QRect& geometry) {
    auto* button = new QPushButton(controls::text(caption), frame);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

// The convert buttons are as narrow as the page has always had them; a wider system font
// gets a smaller size on them rather than a cut caption.
void fitCaption(QPushButton* button) {
    constexpr int SideMarginPx = 4;
    constexpr qreal SmallestPointSize = 6.0;
    QFont font = button->font();
    while (font.pointSizeF() > SmallestPointSize &&
           QFontMetrics(font).horizontalAdvance(button->text()) >
               button->width() - 2 * SideMarginPx)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    button->setFont(font);
}

QGroupBox* addFrame(QWidget* page, const char* name, const char* caption, const QRect& geometry) {
    auto* frame = new QGroupBox(controls::text(caption), page);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    return frame;
}

// A path as typed, pasted or dropped from a file manager: blanks around it, the quotes of a
// copied path and a file:// scheme are not part of the file's name.
QString boxPath(const QLineEdit* box) {
    QString text = box->text().trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2).trimmed();
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(text);
        if (url.isLocalFile())
            text = url.toLocalFile();
    }
    return text;
}

QString refusalMessage(short code, const QString& inputPath, const QString& outputPath) {
    const QString input = QDir::toNativeSeparators(inputPath);
    switch (static_cast<ErrorCode>(code)) {
    case ErrorCode::FileOpen:
        return QCoreApplication::translate("FrameConvert",
                                           "Can't convert %1: the file does not exist.")
            .arg(input);
    case ErrorCode::NotFile:
        return QCoreApplication::translate("FrameConvert", "Can't convert %1: it is not a file.")
            .arg(input);
    case ErrorCode::IllegalParam:
        return QCoreApplication::translate(
                   "FrameConvert",
                   "Can't convert %1 into %2: the target is the source file itself.")
            .arg(input, QDir::toNativeSeparators(outputPath));
    default:
        return QCoreApplication::translate("FrameConvert", "Can't convert %1 (error code %2).")
            .arg(input)
            .arg(code);
    }
}

} // namespace

FrameConvert::FrameConvert(PageServices services, ClipImport& import, QWidget* parent)
    : QGroupBox(parent), m_services(services), m_import(import) {
    setObjectName(QStringLiteral("FrameConvert"));
    setTitle(QCoreApplication::translate("FrameConvert", "Wav <-> Mp3"));

    QGroupBox* frame5 =
        addFrame(this, "Frame5", QT_TRANSLATE_NOOP("Controls", "Wav -> Mp3"), {72, 16, 449, 145});
    m_txtopenwav = addBox(frame5, "txtopenwav", {32, 32, 249, 25});
    QPushButton* cmdopenwav = addButton(frame5, "Cmdopenwav", "...", {288, 32, 33, 25});
    m_txtsavemp3 = addBox(frame5, "txtsavemp3", {32, 96, 249, 25});
    QPushButton* cmdSaveMP3 = addButton(frame5, "CmdSaveMP3", "...", {288, 96, 33, 25});
    QPushButton* cmdConvertMP3 =
        addButton(frame5, "CmdConvertMP3", QT_TRANSLATE_NOOP("Controls", "Convert to MP3"),
                  {344, 96, 89, 25});

    QGroupBox* frame4 =
        addFrame(this, "Frame4", QT_TRANSLATE_NOOP("Controls", "MP3 -> Wav"), {72, 168, 449, 137});
    m_txtopenmp3 = addBox(frame4, "txtopenmp3", {24, 16, 249, 25});
    QPushButton* cmdopenMp3 = addButton(frame4, "CmdopenMp3", "...", {280, 16, 33, 25});
    m_txtsavewav = addBox(frame4, "txtsavewav", {24, 80, 249, 25});
    QPushButton* cmdSavewav2 = addButton(frame4, "CmdSavewav2", "...", {280, 80, 33, 25});
    QPushButton* cmdconvertWav =
        addButton(frame4, "CmdconvertWav", QT_TRANSLATE_NOOP("Controls", "Convert to Wav"),
                  {344, 80, 89, 25});

    m_text2 = addBox(this, "Text2", {16, 224, 10, 19});
    fitCaption(cmdConvertMP3);
    fitCaption(cmdconvertWav);
    m_text2->setText(QStringLiteral("Text2"));
    controls::describe(m_txtopenwav, QT_TRANSLATE_NOOP("Controls", "Wav file to convert"),
                       QT_TRANSLATE_NOOP("Controls", "The Wav file to convert to MP3"));
    controls::describe(cmdopenwav, QT_TRANSLATE_NOOP("Controls", "Choose Wav file"),
                       QT_TRANSLATE_NOOP("Controls", "Choose the Wav file to convert"));
    controls::describe(m_txtsavemp3, QT_TRANSLATE_NOOP("Controls", "MP3 file to write"),
                       QT_TRANSLATE_NOOP("Controls", "Where the MP3 file is written"));
    controls::describe(cmdSaveMP3, QT_TRANSLATE_NOOP("Controls", "Choose MP3 file"),
                       QT_TRANSLATE_NOOP("Controls", "Choose where the MP3 file is written"));
    controls::describe(m_txtopenmp3, QT_TRANSLATE_NOOP("Controls", "MP3 file to convert"),
                       QT_TRANSLATE_NOOP("Controls", "The MP3 file to convert to Wav"));
    controls::describe(cmdopenMp3, QT_TRANSLATE_NOOP("Controls", "Choose MP3 file"),
                       QT_TRANSLATE_NOOP("Controls", "Choose the MP3 file to convert"));
    controls::describe(m_txtsavewav, QT_TRANSLATE_NOOP("Controls", "Wav file to write"),
                       QT_TRANSLATE_NOOP("Controls", "Where the Wav file is written"));
    controls::describe(cmdSavewav2, QT_TRANSLATE_NOOP("Controls", "Choose Wav file"),
                       QT_TRANSLATE_NOOP("Controls", "Choose where the Wav file is written"));
    controls::describe(m_text2, QT_TRANSLATE_NOOP("Controls", "Encoder status"),
                       QT_TRANSLATE_NOOP("Controls", "The status code of the last conversion"));

    connect(cmdopenwav, &QPushButton::clicked, this, &FrameConvert::Cmdopenwav_Click);
    connect(cmdSaveMP3, &QPushButton::clicked, this, &FrameConvert::CmdSaveMP3_Click);
    connect(cmdConvertMP3, &QPushButton::clicked, this, &FrameConvert::CmdConvertMP3_Click);
    connect(cmdopenMp3, &QPushButton::clicked, this, &FrameConvert::CmdopenMp3_Click);
    connect(cmdSavewav2, &QPushButton::clicked, this, &FrameConvert::CmdSavewav2_Click);
    connect(cmdconvertWav, &QPushButton::clicked, this, &FrameConvert::CmdconvertWav_Click);
}

void FrameConvert::Cmdopenwav_Click() {
    m_comFileOpen.filter = wavFilter();
    m_comFileOpen.fileName.clear();
    m_comFileOpen.flags = Dialogs::FileRequest::FileMustExist;
    m_comFileOpen.mode = Dialogs::FileRequest::Mode::Open;
    choose(m_txtopenwav);
}

void FrameConvert::CmdSaveMP3_Click() {
    m_comFileOpen.filter = mp3Filter();
    m_comFileOpen.fileName.clear();
    m_comFileOpen.initialFolder = m_services.settings.baseFolder();
    m_comFileOpen.defaultExtension = QStringLiteral("mp3");
    m_comFileOpen.mode = Dialogs::FileRequest::Mode::Save;
    choose(m_txtsavemp3);
}

void FrameConvert::CmdopenMp3_Click() {
    m_comFileOpen.filter = mp3Filter();
    m_comFileOpen.fileName.clear();
    m_comFileOpen.flags = Dialogs::FileRequest::FileMustExist;
    m_comFileOpen.mode = Dialogs::FileRequest::Mode::Open;
    choose(m_txtopenmp3);
}

void FrameConvert::CmdSavewav2_Click() {
    m_comFileOpen.filter = wavFilter();
    m_comFileOpen.fileName.clear();
    m_comFileOpen.defaultExtension = QStringLiteral("wav");
    m_comFileOpen.initialFolder = m_services.settings.baseFolder();
    m_comFileOpen.mode = Dialogs::FileRequest::Mode::Save;
    choose(m_txtsavewav);
}

void FrameConvert::choose(QLineEdit* box) {
    const std::optional<QString> chosen =
        m_services.context.dialogs.chooseFile(&m_services.dialogParent, m_comFileOpen);
    m_comFileOpen.fileName = chosen.value_or(QString());
    box->setText(m_comFileOpen.fileName);
}

void FrameConvert::CmdconvertWav_Click() {
    const QString source = boxPath(m_txtopenmp3);
    const QString target = boxPath(m_txtsavewav);
    if (source.isEmpty() || target.isEmpty() || m_services.busy.isBusy() || m_import.isBusy())
        return;
    ClipImport::Request request;
    request.paths = {source};
    request.decode = true;
    request.busyText = QCoreApplication::translate("FrameConvert", "Converting.......");
    request.done = [this, target](const ClipImport::Report& report) {
        Dialogs& dialogs = m_services.context.dialogs;
        if (const auto notice = report.notice())
            tell(dialogs, &m_services.dialogParent, *notice);
        if (report.added.isEmpty())
            return;
        const QString clip = m_services.context.workFolder.clipFile(report.added.first());
        m_copy.start<Status>(
            [clip, target](const BackgroundJob::Context& job) {
                return clipfiles::copyFile(clip, target, [&](int p) { job.progress(p); });
            },
            [this, target](Status copied) {
                Dialogs& dialogs = m_services.context.dialogs;
                if (!copied)
                    warn(dialogs, &m_services.dialogParent, copied.message());
                else
                    dialogs.message(
                        &m_services.dialogParent,
                        QCoreApplication::translate("FrameConvert", "Convert Finish\n%1")
                            .arg(QDir::toNativeSeparators(target)),
                        QString::fromLatin1(appinfo::Title), Dialogs::Icon::None);
            },
            m_services.busy.hold(QCoreApplication::translate("FrameConvert", "Converting......."),
                                 false));
    };
    m_import.add(std::move(request));
}

void FrameConvert::CmdConvertMP3_Click() {
    const QString source = boxPath(m_txtopenwav);
    const QString target = boxPath(m_txtsavemp3);
    if (source.isEmpty() || target.isEmpty() || m_services.busy.isBusy())
        return;
    // The busy window stays up until the job's end; a refused job takes it down at once.
    const short code = m_services.encoderJobs.start(
        source, target, m_services.busy.enter(BusyGate::Window::KeepEnabled));
    m_text2->setText(QString::number(m_services.context.Mp3Enc1.StatusCode()));
    if (code != 0)
        warn(m_services.context.dialogs, &m_services.dialogParent,
             refusalMessage(code, source, target));
}
