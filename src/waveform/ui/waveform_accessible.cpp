// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/ui/waveform_accessible.h"

#include "waveform/ui/waveform_view.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

using Time = WaveformView::Time;
constexpr Time Times[] = {Time::MarkIn, Time::Playhead, Time::MarkOut};

class TimeAccessible : public QAccessibleInterface, public QAccessibleValueInterface {
public:
    TimeAccessible(WaveformView* view, QAccessibleInterface* parent, Time time)
        : m_view(view), m_parent(parent), m_time(time) {}

    bool isValid() const override { return !m_view.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_parent->window(); }
    QAccessibleInterface* parent() const override { return m_parent; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Slider; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = m_view && m_view->hasFocus() && m_view->keyTime() == m_time;
        state.disabled = !m_view || !m_view->isEnabled();
        return state;
    }
    QRect rect() const override {
        if (!m_view)
            return {};
        const int x = m_view->xOfMs(m_view->timeMs(m_time));
        const QRect picture = m_view->pictureRect();
        return QRect(m_view->mapToGlobal(QPoint(x - 2, picture.top())), QSize(5, picture.height()));
    }
    QString text(QAccessible::Text t) const override {
        if (!m_view)
            return {};
        if (t == QAccessible::Name)
            return WaveformView::timeName(m_time);
        if (t == QAccessible::Value)
            return QCoreApplication::translate("WaveformView", "%1 ms").arg(m_view->timeMs(m_time));
        if (t == QAccessible::Description)
            return QCoreApplication::translate(
                "WaveformView", "Left and Right move it; Up and Down choose another time");
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : nullptr;
    }

    QVariant currentValue() const override {
        return m_view ? QVariant(qlonglong(m_view->timeMs(m_time))) : QVariant();
    }
    void setCurrentValue(const QVariant& value) override {
        if (m_view)
            m_view->moveTime(m_time, value.toLongLong());
    }
    QVariant maximumValue() const override {
        return m_view ? QVariant(qlonglong(m_view->lengthMs())) : QVariant();
    }
    QVariant minimumValue() const override { return qlonglong(0); }
    QVariant minimumStepSize() const override { return qlonglong(WaveformView::KeyStepMs); }

private:
    QPointer<WaveformView> m_view;
    QAccessibleInterface* m_parent;
    Time m_time;
};

class ViewAccessible : public QAccessibleWidget {
public:
    explicit ViewAccessible(WaveformView* view)
        : QAccessibleWidget(view, QAccessible::Graphic,
                            QCoreApplication::translate("WaveformView", "Waveform")) {}
    ~ViewAccessible() override {
        for (const QAccessible::Id id : m_ids)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }
    // The three times first, then the view's own controls (zoom buttons, picture choice) as
    // any widget shows its children.
    int childCount() const override { return 3 + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index >= 3)
            return QAccessibleWidget::child(index - 3);
        if (index < 0)
            return nullptr;
        if (!m_ids[index]) {
            auto* made = new TimeAccessible(static_cast<WaveformView*>(widget()),
                                            const_cast<ViewAccessible*>(this), Times[index]);
            m_ids[index] = QAccessible::registerAccessibleInterface(made);
        }
        return QAccessible::accessibleInterface(m_ids[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < 3; ++i)
            if (m_ids[i] && QAccessible::accessibleInterface(m_ids[i]) == child)
                return i;
        const int own = QAccessibleWidget::indexOfChild(child);
        return own < 0 ? -1 : own + 3;
    }
    QAccessibleInterface* focusChild() const override {
        const auto* view = static_cast<WaveformView*>(widget());
        return view->hasFocus() ? child(int(view->keyTime())) : QAccessibleWidget::focusChild();
    }

private:
    mutable QAccessible::Id m_ids[3] = {0, 0, 0};
};

} // namespace

namespace waveformaccess {

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("WaveformView") && object && object->isWidgetType())
        return new ViewAccessible(static_cast<WaveformView*>(object));
    return nullptr;
}

} // namespace waveformaccess
