// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cliplist/ui/ringtone_prompt.h"
#include "pagekit/dialogs.h"
#include "wav/clip_range.h"

#include <QList>
#include <QQueue>

// Dialogs (and the ringtone prompt) for tests: answers come from queues filled by the test, and
// every prompt is recorded with all it was given. A prompt with nothing queued answers the harmless
// way (Ok, No, cancel) and counts in unscripted(). A save dialog adds the default extension to a
// queued name without one, as the real dialog does.
class ScriptedDialogs : public Dialogs, public RingtonePrompt {
public:
    using RingtoneChoice = RingtonePrompt::Choice;

    struct MessageCall {
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        Answer answer = Answer::Ok;
    };
    struct FileCall {
        FileRequest request;
        std::optional<QString> answer;
    };
    struct RingtoneCall {
        RingtoneChoice initial;
        bool clipSelected = false;
        ClipRange clipFile;
        std::optional<RingtoneChoice> answer;
    };
    struct InputCall {
        QString title;
        QString prompt;
        QString initial;
        std::optional<QString> answer;
    };

    // Answer for the next Yes/No question.
    void queueAnswer(Answer answer) { m_answers.enqueue(answer); }
    // The path the next file dialog returns, or its cancel.
    void queueFile(const QString& path) { m_files.enqueue(path); }
    void queueFileCancel() { m_files.enqueue(std::nullopt); }
    // The paths the next dialog of several files returns (a single-file dialog gets the first).
    void queueFiles(const QStringList& paths) { m_files.enqueue(paths.join(u'\n')); }
    // The choices the next ringtone dialog returns, or its cancel.
    void queueRingtone(const RingtoneChoice& choice) { m_ringtones.enqueue(choice); }
    void queueRingtoneCancel() { m_ringtones.enqueue(std::nullopt); }
    // The text the next input box returns, or its cancel.
    void queueInput(const QString& text) { m_inputs.enqueue(text); }
    void queueInputCancel() { m_inputs.enqueue(std::nullopt); }

    const QList<MessageCall>& messages() const { return m_messages; }
    const QList<FileCall>& files() const { return m_fileCalls; }
    const QList<InputCall>& inputs() const { return m_inputCalls; }
    const QList<RingtoneCall>& ringtones() const { return m_ringtoneCalls; }
    // Prompts that found nothing queued for them.
    int unscripted() const { return m_unscripted; }
    // Forgets the record (not the queues).
    void clearRecord();

    Answer message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                   Buttons buttons = Buttons::Ok) override;
    std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) override;
    std::optional<QStringList> chooseFiles(QWidget* parent, const FileRequest& request) override;
    std::optional<RingtoneChoice> chooseRingtone(QWidget* parent, const RingtoneChoice& initial,
                                                 bool clipSelected,
                                                 const ClipRange& clipFile) override;
    // Tones sent to a phone are only recorded: the window's tests never reach a phone.
    void sendToPhone(QWidget*, const QString& tone) override { m_phoneSends << tone; }
    const QStringList& phoneSends() const { return m_phoneSends; }
    std::optional<QString> inputText(QWidget* parent, const QString& title, const QString& prompt,
                                     const QString& initial = QString()) override;

private:
    QQueue<Answer> m_answers;
    QStringList m_phoneSends;
    QQueue<std::optional<QString>> m_files;
    QQueue<std::optional<QString>> m_inputs;
    QQueue<std::optional<RingtoneChoice>> m_ringtones;
    QList<MessageCall> m_messages;
    QList<FileCall> m_fileCalls;
    QList<InputCall> m_inputCalls;
    QList<RingtoneCall> m_ringtoneCalls;
    int m_unscripted = 0;
};
