// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_dialogs.h"

#include <QFileInfo>

void ScriptedDialogs::clearRecord() {
    m_messages.clear();
    m_fileCalls.clear();
    m_inputCalls.clear();
    m_ringtoneCalls.clear();
    m_unscripted = 0;
}

Dialogs::Answer ScriptedDialogs::message(QWidget*, const QString& text, const QString& title,
                                         Icon icon, Buttons buttons) {
    Answer answer = Answer::Ok;
    if (buttons == Buttons::YesNo) {
        if (m_answers.isEmpty()) {
            ++m_unscripted;
            answer = Answer::No;
        } else {
            answer = m_answers.dequeue();
        }
    }
    m_messages.append({text, title, icon, buttons, answer});
    return answer;
}

std::optional<QString> ScriptedDialogs::chooseFile(QWidget*, const FileRequest& request) {
    std::optional<QString> answer;
    if (m_files.isEmpty())
        ++m_unscripted;
    else
        answer = m_files.dequeue();
    // Like the real save dialog, a typed name without an extension gets the default one.
    if (answer && request.mode == FileRequest::Mode::Save && !request.defaultExtension.isEmpty() &&
        !QFileInfo(*answer).fileName().contains(u'.'))
        *answer += u'.' + request.defaultExtension;
    m_fileCalls.append({request, answer});
    return answer;
}

std::optional<QStringList> ScriptedDialogs::chooseFiles(QWidget* parent,
                                                        const FileRequest& request) {
    const std::optional<QString> answer = chooseFile(parent, request);
    if (!answer)
        return std::nullopt;
    return answer->split(u'\n');
}

std::optional<RingtonePrompt::Choice> ScriptedDialogs::chooseRingtone(QWidget*,
                                                                      const RingtoneChoice& initial,
                                                                      bool clipSelected,
                                                                      const ClipRange& clipFile) {
    std::optional<RingtoneChoice> answer;
    if (m_ringtones.isEmpty())
        ++m_unscripted;
    else
        answer = m_ringtones.dequeue();
    m_ringtoneCalls.append({initial, clipSelected, clipFile, answer});
    return answer;
}

std::optional<QString> ScriptedDialogs::inputText(QWidget*, const QString& title,
                                                  const QString& prompt, const QString& initial) {
    std::optional<QString> answer;
    if (m_inputs.isEmpty())
        ++m_unscripted;
    else
        answer = m_inputs.dequeue();
    m_inputCalls.append({title, prompt, initial, answer});
    return answer;
}
