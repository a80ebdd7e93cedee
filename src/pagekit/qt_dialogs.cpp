// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/qt_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Warning:
        return QMessageBox::Warning;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

namespace {

// The start and the end of `text`, `keep` characters in all, with "…" between.
QString middleElided(QStringView text, qsizetype keep) {
    return text.left(keep - keep / 2).toString() + QChar(0x2026) + text.right(keep / 2).toString();
}

} // namespace

QString QtDialogs::elided(const QString& text) {
    QString shown;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !text.at(end).isSpace())
            ++end;
        const QStringView run = QStringView(text).mid(start, end - start);
        shown += run.size() > MaxRun ? middleElided(run, MaxRun - 1) : run.toString();
        for (start = end; start < text.size() && text.at(start).isSpace(); ++start)
            shown += text.at(start);
    }
    return shown.size() > MaxText ? middleElided(shown, MaxText - 1) : shown;
}

Dialogs::Answer QtDialogs::message(QWidget* parent, const QString& text, const QString& title,
                                   Icon icon, Buttons buttons) {
    QMessageBox box(
        boxIcon(icon), title, elided(text),
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    const int pressed = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

namespace {

void prepare(QFileDialog& dialog, const Dialogs::FileRequest& request, bool many) {
    const bool save = request.mode == Dialogs::FileRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (many)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode(!save && (request.flags & Dialogs::FileRequest::FileMustExist)
                               ? QFileDialog::ExistingFile
                               : QFileDialog::AnyFile);
    if (request.flags & Dialogs::FileRequest::NoOverwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = QtDialogs::nameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

} // namespace

std::optional<QString> QtDialogs::chooseFile(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.title, request.initialFolder);
    prepare(dialog, request, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

std::optional<QStringList> QtDialogs::chooseFiles(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.title, request.initialFolder);
    prepare(dialog, request, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QStringList files = dialog.selectedFiles();
    for (QString& file : files)
        file = QDir::toNativeSeparators(file);
    return files;
}

std::optional<QString> QtDialogs::inputText(QWidget* parent, const QString& title,
                                            const QString& prompt, const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QStringList QtDialogs::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << QStringLiteral("%1 (%2)").arg(parts.at(i).trimmed(), patterns.join(u' '));
    }
    return filters;
}
