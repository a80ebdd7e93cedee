// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// Every prompt the program shows goes through this seam, so pages are tested with scripted
// answers. QtDialogs is the real one; tests use ScriptedDialogs (tests/support).
class Dialogs {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    // A file dialog. The filter uses the "Description|*.a;*.b|Other|*.*" form; the flags keep
    // the numbers of the classic common dialog.
    struct FileRequest {
        enum Flag {
            NoOverwritePrompt = 2,
            HideReadOnly = 4,
            AllowMultiple = 512,
            FileMustExist = 4096,
            Explorer = 524288,
        };
        enum class Mode { Open, Save };
        Mode mode = Mode::Open;
        QString title;
        QString filter;
        QString fileName;
        QString initialFolder;
        QString defaultExtension; // without the dot; added to a typed name without one
        int flags = 0;
    };

    virtual ~Dialogs() = default;

    virtual Answer message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                           Buttons buttons = Buttons::Ok) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) = 0;
    // An open dialog in which several files may be chosen: the chosen paths in the order
    // the dialog gives them, or nothing when the user cancelled.
    virtual std::optional<QStringList> chooseFiles(QWidget* parent, const FileRequest& request) = 0;
    // The typed text, or nothing when the user cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& title,
                                             const QString& prompt,
                                             const QString& initial = QString()) = 0;
};
