// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/song_guide.h"

#include "base/choices.h"
#include "cliplist/edit_session.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QToolButton>

#include <cmath>

namespace {

const QString SnapKey = QStringLiteral("editor/snap");
const QString TempoKey = QStringLiteral("editor/tempo");
const QString LengthKey = QStringLiteral("editor/suggestionSeconds");

std::int64_t msOf(double seconds) {
    return std::llround(seconds * 1000.0);
}

} // namespace

SongGuide::SongGuide(EditSession& session, Choices& choices, QObject* parent)
    : QObject(parent), m_session(session), m_choices(choices) {
    const int snap = int(m_choices.number(SnapKey, 0));
    m_snap =
        snap >= 0 && snap <= int(analysis::Snap::Bar) ? analysis::Snap(snap) : analysis::Snap::Off;
    const int tempo = int(m_choices.number(TempoKey, 0));
    m_tempo = tempo >= 0 && tempo <= int(analysis::TempoChoice::Double)
                  ? analysis::TempoChoice(tempo)
                  : analysis::TempoChoice::AsFound;
    const double length = m_choices.number(LengthKey, analysis::DefaultSuggestionLength);
    m_lengthS = length >= analysis::MinSuggestionLength && length <= analysis::MaxSuggestionLength
                    ? length
                    : analysis::DefaultSuggestionLength;

    m_session.setSnap([this](std::int64_t ms) { return snapped(ms); });
    connect(&m_session, &EditSession::opened, this, &SongGuide::clipOpened);
    // A change of the clip (an effect, an undo) is analysed again when it is opened again.
    connect(&m_session, &EditSession::reopened, this, &SongGuide::clipOpened);
    connect(&m_cache, &AnalysisCache::finished, this, &SongGuide::analysisEnded);
}

void SongGuide::buildMenu(QToolButton& button) {
    auto* menu = new QMenu(&button);
    const auto group = [&](const QString& title, const QStringList& items, int chosen,
                           std::function<void(int)> choose) {
        menu->addSection(title);
        auto* actions = new QActionGroup(menu);
        for (int i = 0; i < items.size(); ++i) {
            QAction* action = menu->addAction(items.at(i));
            action->setCheckable(true);
            action->setChecked(i == chosen);
            actions->addAction(action);
            connect(action, &QAction::triggered, this, [choose, i] { choose(i); });
        }
    };
    group(QCoreApplication::translate("SongGuide", "Snap marks to"),
          {QCoreApplication::translate("SongGuide", "Off"),
           QCoreApplication::translate("SongGuide", "Zero crossing"),
           QCoreApplication::translate("SongGuide", "Beat"),
           QCoreApplication::translate("SongGuide", "Bar")},
          int(m_snap), [this](int i) {
              m_snap = analysis::Snap(i);
              m_choices.set(SnapKey, i);
          });
    group(QCoreApplication::translate("SongGuide", "Tempo"),
          {QCoreApplication::translate("SongGuide", "As found"),
           QCoreApplication::translate("SongGuide", "Half"),
           QCoreApplication::translate("SongGuide", "Double")},
          int(m_tempo), [this](int i) {
              m_tempo = analysis::TempoChoice(i);
              m_choices.set(TempoKey, i);
              emit musicChanged();
          });
    // The lengths: the four presets, then Other…, which asks and is checked (with its
    // length) when the length is none of them.
    menu->addSection(QCoreApplication::translate("SongGuide", "Suggestions last"));
    auto* lengths = new QActionGroup(menu);
    std::vector<QAction*> presets;
    for (double offered : analysis::SuggestionLengths) {
        QAction* action = menu->addAction(QStringLiteral("%1 s").arg(offered));
        action->setCheckable(true);
        lengths->addAction(action);
        presets.push_back(action);
        connect(action, &QAction::triggered, this, [this, offered] {
            m_lengthS = offered;
            m_choices.set(LengthKey, m_lengthS);
            makeSuggestions();
        });
    }
    QAction* other = menu->addAction(QString());
    other->setCheckable(true);
    lengths->addAction(other);
    const auto showLength = [this, presets, other] {
        bool preset = false;
        for (std::size_t i = 0; i < presets.size(); ++i)
            if (analysis::SuggestionLengths[i] == m_lengthS) {
                presets[i]->setChecked(true);
                preset = true;
            }
        other->setText(
            preset ? QCoreApplication::translate("SongGuide", "Other…")
                   : QCoreApplication::translate("SongGuide", "Other… (%1 s)").arg(m_lengthS));
        other->setChecked(!preset);
    };
    showLength();
    connect(other, &QAction::triggered, this, [this, showLength] {
        const std::optional<double> asked =
            m_askLength ? m_askLength(m_lengthS) : std::optional<double>{};
        if (asked && *asked >= analysis::MinSuggestionLength &&
            *asked <= analysis::MaxSuggestionLength) {
            m_lengthS = *asked;
            m_choices.set(LengthKey, m_lengthS);
            makeSuggestions();
        }
        showLength();
    });
    button.setMenu(menu);
    button.setPopupMode(QToolButton::InstantPopup);
}

analysis::Grid SongGuide::grid() const {
    return m_analysis ? analysis::gridFor(*m_analysis, m_tempo) : analysis::Grid{};
}

void SongGuide::clear() {
    m_cache.clear();
    m_analysis.reset();
    m_suggestions.clear();
    m_shown = -1;
    m_suggestWaiting = false;
}

void SongGuide::suggest() {
    if (!m_session.isOpen())
        return;
    if (!m_analysis) {
        // Acts once the analysis is there.
        m_suggestWaiting = true;
        return;
    }
    if (m_suggestions.empty())
        return;
    m_shown = (m_shown + 1) % int(m_suggestions.size());
    showSuggestion();
}

void SongGuide::clipOpened() {
    m_analysis.reset();
    m_suggestions.clear();
    m_shown = -1;
    m_suggestWaiting = false;
    // A clip whose peaks are still being made gets its analysis from the same read: it comes
    // through prepare() when they are done.
    m_analysis = m_cache.known(m_session.clip());
    makeSuggestions();
}

void SongGuide::analysisEnded(const ClipRange& clip) {
    if (!m_session.isOpen() || clip != m_session.clip())
        return;
    m_analysis = m_cache.analysisFor(clip);
    makeSuggestions();
    if (std::exchange(m_suggestWaiting, false) && m_analysis)
        suggest();
    emit analysed();
}

void SongGuide::makeSuggestions() {
    m_suggestions = m_analysis ? analysis::suggest(*m_analysis, m_lengthS)
                               : std::vector<analysis::Suggestion>{};
    m_shown = -1;
    emit musicChanged();
}

// The suggestions start on bar lines already; they are placed as they are, not snapped again.
void SongGuide::showSuggestion() {
    const analysis::Suggestion& window = m_suggestions.at(std::size_t(m_shown));
    m_session.placeMarks(msOf(window.start), std::min(m_session.lengthMs(), msOf(window.end)));
    emit suggested(m_shown, window.reason);
}

std::int64_t SongGuide::snapped(std::int64_t ms) const {
    if (m_snap == analysis::Snap::Off)
        return ms;
    const Result<std::int64_t> placed =
        analysis::snapMs(ms, m_snap, grid(), m_session.clip(), m_session.lengthMs());
    return placed ? *placed : ms;
}
