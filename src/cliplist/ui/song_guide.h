// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/analysis_cache.h"
#include "analysis/snapping.h"
#include "analysis/suggestions.h"
#include "wav/clip_range.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Choices;
class EditSession;
class QToolButton;

// The editor's help with the music of the open clip. Suggest puts the marks on the best
// window of the song; each further press moves them to the next of the (at most three)
// windows and round again. The Snap menu chooses where marks land (Off, Zero crossing, Beat,
// Bar: every mark the user sets, whether by button, key, handle or typed time), the tempo's
// octave for the grid (As found, Half, Double) and the suggestions' length (20, 29.9, 30 or
// 40 s, or Other…: any from 5 to 60 s, asked for). The choices are remembered.
//
// A clip's analysis is made on a background job when the clip is opened, or read from the
// file kept beside it; a Suggest pressed before it is ready acts when it comes. Without a
// grid (speech, silence, a short clip) Beat and Bar leave the marks where they are put, and
// the suggestion says why it is only the loudest stretch. GUI thread only; everything
// handed in outlives the guide.
class SongGuide : public QObject {
    Q_OBJECT
public:
    SongGuide(EditSession& session, Choices& choices, QObject* parent = nullptr);

    // Asks the user for a suggestion length in seconds, shown `current`; nothing when
    // cancelled or when what was typed is no length (the asker has said why).
    using LengthAsker = std::function<std::optional<double>(double current)>;
    void setLengthAsker(LengthAsker ask) { m_askLength = std::move(ask); }
    // Fills `button`'s menu with the snap, tempo and length choices.
    void buildMenu(QToolButton& button);
    analysis::Snap snap() const { return m_snap; }
    // The open clip's analysis, null until it is ready.
    std::shared_ptr<const analysis::MusicAnalysis> analysis() const { return m_analysis; }
    // The windows of the open clip at the chosen length; which one the marks are on (-1: none).
    const std::vector<analysis::Suggestion>& suggestions() const { return m_suggestions; }
    int shown() const { return m_shown; }
    // The open clip's beats and bars as the tempo choice makes them.
    analysis::Grid grid() const;
    // Stops the analysis and forgets every clip (the work folder is about to be emptied).
    void clear();

public slots:
    void suggest();
    // Has the clip analysed ahead of its opening (once its peaks are done, and after a
    // change), unless the analysis kept beside it is still its own.
    void prepare(const ClipRange& clip) { m_cache.prepare(clip); }

signals:
    // The open clip's analysis arrived (or failed: analysis() stays null) and a pending
    // Suggest, if any, has acted.
    void analysed();
    // What is drawn of the music changed: the analysis, the grid's tempo or the suggestions.
    void musicChanged();
    // The marks were put on suggestion `index`, whose reason the user should hear.
    void suggested(int index, const QString& reason);

private:
    void clipOpened();
    void analysisEnded(const ClipRange& clip);
    void makeSuggestions();
    void showSuggestion();
    std::int64_t snapped(std::int64_t ms) const;

    EditSession& m_session;
    Choices& m_choices;
    AnalysisCache m_cache;
    analysis::Snap m_snap = analysis::Snap::Off;
    analysis::TempoChoice m_tempo = analysis::TempoChoice::AsFound;
    double m_lengthS = analysis::DefaultSuggestionLength;
    LengthAsker m_askLength;
    std::shared_ptr<const analysis::MusicAnalysis> m_analysis;
    std::vector<analysis::Suggestion> m_suggestions;
    int m_shown = -1;
    bool m_suggestWaiting = false;
};
