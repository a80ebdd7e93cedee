// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagekit/dialogs.h"

#include <QStringList>

// The real prompts: QMessageBox, QFileDialog, and QInputDialog, each modal to
// `parent`. GUI thread only.
class QtDialogs : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                   Buttons buttons = Buttons::Ok) override;
    std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QStringList> chooseFiles(QWidget* parent, const FileRequest& request) override;
    std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& prompt,
                                     const QString& initial = QString()) override;

    // A "Description|*.a;*.b|Other|*.*" filter in QFileDialog's form:
    // {"Description (*.a *.b)", "Other (*)"}. "*.*" matches every file, as it always has.
    static QStringList nameFilters(const QString& filter);
    // `text` as a message box shows it: a run of more than MaxRun characters without a blank
    // (a long path) keeps its start and its end with "…" between, and so does a text longer
    // than MaxText, so that no box is wider than the screen or takes long to lay out.
    static constexpr int MaxRun = 120;
    static constexpr int MaxText = 4000;
    static QString elided(const QString& text);
};
