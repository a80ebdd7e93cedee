// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_list.h"
#include "cliplist/ui/framewav.h"
#include "pagekit/classic_layout.h"
#include "shell/main_window.h"
#include "shell/pages.h"
#include "support/test_audio.h"
#include "support/window_rig.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// The controls the window places, page by page: the children of the window, of its frames
// and of the panels (a list's scroll bars are the list's own business).
QList<QWidget*> placedControls(QWidget& parent) {
    QList<QWidget*> found;
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        found << child;
        if (qobject_cast<QGroupBox*>(child) || child->property("tunecarverPanel").toBool())
            found << placedControls(*child);
    }
    return found;
}

QString describe(const QWidget* widget) {
    QRect at = widget->geometry();
    return QStringLiteral("%1 (%2 in %3) at %4,%5 %6x%7")
        .arg(widget->objectName(), QLatin1String(widget->metaObject()->className()),
             widget->parentWidget()->objectName())
        .arg(at.x())
        .arg(at.y())
        .arg(at.width())
        .arg(at.height());
}

// Every placed control lies inside its parent, no two shown siblings overlap, and every
// caption fits its control; the first fault found, or an empty text.
QString layoutFault(QWidget& window) {
    for (QWidget* control : placedControls(window)) {
        QWidget* parent = control->parentWidget();
        if (!QRect(QPoint(0, 0), parent->size()).contains(control->geometry()))
            return QStringLiteral("outside its frame: %1").arg(describe(control));
        const QSize need = ClassicLayout::textNeed(*control);
        if (need.width() > control->width() || need.height() > control->height())
            return QStringLiteral("caption cut, needs %1x%2: %3")
                .arg(need.width())
                .arg(need.height())
                .arg(describe(control));
        if (control->isHidden())
            continue;
        for (QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != control && !other->isHidden() && !other->isWindow() &&
                other->geometry().intersects(control->geometry()))
                return QStringLiteral("%1 overlaps %2").arg(describe(control), describe(other));
    }
    return {};
}

} // namespace

class TestWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void init() { m_rig = std::make_unique<WindowRig>(WindowRig::Window::Later); }
    void cleanup() { m_rig.reset(); }

    void resizing_givesTheRoomToTheWorkAndComesBackToTheClassicPlaces();
    void largeFont_growsTheSmallestSizeSoNoCaptionIsCut();
    void fixedWindowSize_holdsTheClassicSizeAndIsRemembered();
    void filesComingIn_leaveTheWindowsSizePlaceAndMaximisedState();
    void everyInteractiveControl_hasANameForScreenReaders();
    void pseudoLanguage_everyTextIsTranslatedAndNoneIsCut();
    void languageChoice_isKeptForTheNextStart();

private:
    std::unique_ptr<WindowRig> m_rig;
};

void TestWindowLayout::resizing_givesTheRoomToTheWorkAndComesBackToTheClassicPlaces() {
    Frmmain& window = m_rig->createWindow();
    // A window not shown hears of its resizes only when it is shown.
    window.show();
    QCOMPARE(window.size(), QSize(Frmmain::ClientWidth, Frmmain::ClientHeight));
    QCOMPARE(window.minimumSize(), window.size());
    QVERIFY(window.maximumSize().width() > 1920);
    QHash<QWidget*, QRect> classic;
    for (QWidget* control : placedControls(window))
        classic.insert(control, control->geometry());
    QVERIFY2(layoutFault(window).isEmpty(), qPrintable(layoutFault(window)));
    QWidget* waveform = window.findChild<QWidget*>(QStringLiteral("Waveform"));

    window.resize(1920, 1080);
    QVERIFY2(layoutFault(window).isEmpty(), qPrintable(layoutFault(window)));
    // The editor's frame keeps its margins to the page and the page to the window, so all
    // but those few pixels of the extra width go to the waveform.
    QCOMPARE(waveform->width() - classic.value(waveform).width(), 1920 - Frmmain::ClientWidth);
    QVERIFY(waveform->height() > 1080 / 2);
    // The other pages keep their distance to the window's middle (give or take the half
    // pixel of an odd extra width).
    for (const char* centred : {"FrameConvert", "FrameSetting", "FrameAbout"}) {
        auto* page = window.findChild<QGroupBox*>(QLatin1String(centred));
        const int classicOffset = classic.value(page).center().x() - Frmmain::ClientWidth / 2;
        QVERIFY(std::abs(page->geometry().center().x() - 1920 / 2 - classicOffset) <= 1);
    }

    window.resize(Frmmain::ClientWidth, Frmmain::ClientHeight);
    for (auto it = classic.cbegin(); it != classic.cend(); ++it)
        QVERIFY2(it.key()->geometry() == it.value(), qPrintable(describe(it.key())));
}

void TestWindowLayout::largeFont_growsTheSmallestSizeSoNoCaptionIsCut() {
    const QFont usual = QApplication::font();
    QFont large = usual;
    large.setPointSize(14);
    QApplication::setFont(large);
    const auto restore = qScopeGuard([&usual] { QApplication::setFont(usual); });
    Frmmain& window = m_rig->createWindow();
    window.show();
    QVERIFY(window.width() > Frmmain::ClientWidth);
    QCOMPARE(window.size(), window.minimumSize());
    QVERIFY2(layoutFault(window).isEmpty(), qPrintable(layoutFault(window)));
    window.resize(1920, 1080);
    QVERIFY2(layoutFault(window).isEmpty(), qPrintable(layoutFault(window)));
}

void TestWindowLayout::fixedWindowSize_holdsTheClassicSizeAndIsRemembered() {
    Frmmain& window = m_rig->createWindow();
    window.show();
    window.resize(1000, 700);
    auto* fixed = window.findChild<QCheckBox*>(QStringLiteral("chkFixedSize"));
    QVERIFY(fixed);
    QVERIFY(!fixed->isChecked());
    fixed->click();

    QCOMPARE(window.size(), QSize(Frmmain::ClientWidth, Frmmain::ClientHeight));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QSettings state(m_rig->appFile(QStringLiteral("state.ini")), QSettings::IniFormat);
    QCOMPARE(state.value(QStringLiteral("window/fixedSize")).toBool(), true);

    fixed->click();
    QVERIFY(window.maximumSize().width() > 1920);
    QCOMPARE(window.minimumSize(), window.size());
}

void TestWindowLayout::filesComingIn_leaveTheWindowsSizePlaceAndMaximisedState() {
    Frmmain& window = m_rig->createWindow();
    window.setGeometry(120, 90, 1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect placed = window.geometry();
    const QString song = testaudio::writeSineWav(m_rig->outside("song.wav"), {1, 8000, 16}, 800);
    window.addFiles({song});
    m_rig->waitForWork();
    QCOMPARE(window.geometry(), placed);

    window.showMaximized();
    QTRY_VERIFY(window.isMaximized());
    window.addFiles({});
    window.addFiles({song});
    m_rig->waitForWork();
    QVERIFY(window.isMaximized());
    QCOMPARE(window.framewav().clips().count(), 2);
}

namespace {

// The nodes a screen reader finds on every page, from the window down.
QList<QAccessibleInterface*> accessibleNodes(Frmmain& window) {
    QList<QAccessibleInterface*> nodes;
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || node->state().invisible)
            return;
        if (!nodes.contains(node))
            nodes << node;
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    for (const char* key : {"Wav", "Rec", "Convert", "Setting", "Help"}) {
        window.Toolbar1_ButtonClick(QLatin1String(key));
        walk(QAccessible::queryAccessibleInterface(&window));
    }
    return nodes;
}

QString nameOf(QAccessibleInterface* node) {
    return node->object() ? node->object()->objectName() + QLatin1Char('/') +
                                QLatin1String(node->object()->metaObject()->className())
                          : QStringLiteral("?");
}

// Shows every text it translates bracketed and 40 % longer, as a long language would.
class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        if (text.isEmpty())
            return text;
        return QLatin1Char('[') + text + QString((text.size() * 2 + 4) / 5, u'~') +
               QLatin1Char(']');
    }
};

} // namespace

void TestWindowLayout::everyInteractiveControl_hasANameForScreenReaders() {
    Frmmain& window = m_rig->createWindow();
    const QList<QAccessible::Role> interactive = {
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::Slider,
        QAccessible::List,       QAccessible::Tree,         QAccessible::ButtonMenu};
    QStringList unnamed;
    for (QAccessibleInterface* node : accessibleNodes(window))
        if (interactive.contains(node->role()) && node->text(QAccessible::Name).isEmpty())
            unnamed << nameOf(node);
    unnamed.removeDuplicates();
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

// In a language whose texts run 40 % longer, every text the window shows or a screen reader
// reads comes from the catalogue, and the window's smallest size still cuts none of them.
void TestWindowLayout::pseudoLanguage_everyTextIsTranslatedAndNoneIsCut() {
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    const auto remove = qScopeGuard([&pseudo] { QCoreApplication::removeTranslator(&pseudo); });
    Frmmain& window = m_rig->createWindow();
    window.show();
    QVERIFY(window.width() > Frmmain::ClientWidth);
    QCOMPARE(window.size(), window.minimumSize());
    QVERIFY2(layoutFault(window).isEmpty(), qPrintable(layoutFault(window)));

    // Texts the user or the system made (clip and folder names, sound inputs, the
    // languages' own names) are no translator's business.
    const QList<QAccessible::Role> userData = {QAccessible::ListItem, QAccessible::TreeItem,
                                               QAccessible::Row, QAccessible::Cell,
                                               QAccessible::TitleBar};
    const QRegularExpression words(QStringLiteral("[A-Za-z]{2,}"));
    QStringList untranslated;
    for (QAccessibleInterface* node : accessibleNodes(window)) {
        if (userData.contains(node->role()))
            continue;
        for (const QAccessible::Text kind : {QAccessible::Name, QAccessible::Description}) {
            const QString text = node->text(kind);
            if (text.contains(words) && !text.contains(QLatin1Char('[')) &&
                text != window.windowTitle())
                untranslated << nameOf(node) + QStringLiteral(": ") + text;
        }
    }
    untranslated.removeDuplicates();
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral("\n"))));
}

void TestWindowLayout::languageChoice_isKeptForTheNextStart() {
    QSettings(m_rig->appFile(QStringLiteral("state.ini")), QSettings::IniFormat)
        .setValue(QStringLiteral("window/language"), QStringLiteral("es"));
    Frmmain& window = m_rig->createWindow();
    auto* choice = window.findChild<QComboBox*>(QStringLiteral("cboLanguage"));
    auto* note = window.findChild<QLabel*>(QStringLiteral("lblLanguageNote"));
    QVERIFY(choice && note);
    QCOMPARE(choice->currentData().toString(), QStringLiteral("es"));
    QCOMPARE(choice->itemData(0).toString(), QString()); // the locale's language

    const int german = choice->findData(QStringLiteral("de"));
    QVERIFY(german > 0);
    choice->setCurrentIndex(german);
    emit choice->activated(german);
    QSettings state(m_rig->appFile(QStringLiteral("state.ini")), QSettings::IniFormat);
    QCOMPARE(state.value(QStringLiteral("window/language")).toString(), QStringLiteral("de"));
    QVERIFY(!note->isHidden());
}

QTEST_MAIN(TestWindowLayout)
#include "tst_window_layout.moc"
