#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <tuple>

#include "numeric_edit.h"
#include "rotor_panel.h"
#include "stator_panel.h"

using vireflu::Winding;
using vireflu::WindingSettings;

Q_DECLARE_METATYPE(WindingSettings)
Q_DECLARE_METATYPE(Winding)

namespace vireflu {
// Readable records in QCOMPARE failure messages.
char* toString(const WindingSettings& r) {
    QStringList fields;
    for (const int v :
         {r.phase1On, r.phase2On, r.phase3On, r.phase1AngleDeg, r.phase2AngleDeg, r.phase3AngleDeg,
          r.frequencyHz, r.rotationHz, r.initialPositionDeg, r.waveform})
        fields << QString::number(v);
    return QTest::toString(QLatin1Char('{') + fields.join(QLatin1Char(' ')) + QLatin1Char('}'));
}

}  // namespace vireflu

namespace {

// A panel opened on an owner main window, recording every record it sends.
class OpenPanel {
public:
    explicit OpenPanel(Winding w) : winding(w) {
        // A menu bar puts the client area below the window's top, as in the real main window.
        owner.menuBar()->addMenu(QStringLiteral("&Vue"));
        owner.setCentralWidget(new QWidget);
        owner.setGeometry(40, 30, 640, 600);
        owner.show();
        panel = winding == Winding::Stator ? static_cast<CWindingPanel*>(new CStatorPanel(&owner))
                                           : new CRotorPanel(&owner);
        spy = std::make_unique<QSignalSpy>(panel, &CWindingPanel::SettingsSent);
        panel->SetPhaseFlags({0, 0, 0});
        panel->Open();
        if (!QTest::qWaitForWindowExposed(panel)) qWarning("the panel was never exposed");
    }

    CWindingPanel& Panel() { return *panel; }
    QMainWindow& Owner() { return owner; }
    template <typename T = QWidget>
    T* Find(const QString& name) const {
        return panel->findChild<T*>(name);
    }
    // Clicks the named check box or radio button on its indicator, as a user would.
    void Click(const QString& name) {
        auto* button = Find<QAbstractButton>(name);
        if (!button) QFAIL(qPrintable(QStringLiteral("no control named %1").arg(name)));
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
    }
    // Every record sent since the last Forget, in order. Fails the test if one came with
    // the other winding's selector.
    QList<WindingSettings> Records() const {
        QList<WindingSettings> records;
        for (const QList<QVariant>& arguments : *spy) {
            if (arguments.at(0).toInt() != static_cast<int>(winding))
                QTest::qFail("a record came with the other winding's selector", __FILE__, __LINE__);
            records << arguments.at(1).value<WindingSettings>();
        }
        return records;
    }
    void Forget() { spy->clear(); }

private:
    Winding winding;
    QMainWindow owner;
    CWindingPanel* panel;  // owned by `owner`
    std::unique_ptr<QSignalSpy> spy;
};

void PressOn(QWidget& widget, Qt::Key key) {
    widget.setFocus();
    QTest::keyClick(&widget, key);
}

// The record of a panel in "sinus" with all three phases on and one angle set.
WindingSettings AllPhasesWithAngle(int phase, int angle) {
    const auto at = [&](int p) { return p == phase ? angle : 0; };
    return {1, 1, 1, at(1), at(2), at(3), 50, 0, 0, vireflu::kWaveformSinus};
}

// Shows every angle field ("sinus", all phases on) and selects the whole text of one with
// the keyboard, as a user would before typing over it.
QLineEdit* SelectField(OpenPanel& open, int phase) {
    for (const char* name : {"phase1Check", "phase2Check", "phase3Check"}) open.Click(name);
    auto* edit = open.Find<QLineEdit>(QStringLiteral("phase%1Edit").arg(phase));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    return edit;
}

// Each winding, with its keyboard focus order.
void AddWindings() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<QStringList>("order");  // of the keyboard focus
    const QStringList common{"frequencySlider", "phase1Edit",  "phase2Edit",  "phase3Edit",
                             "phase1Check",     "phase2Check", "phase3Check", "sinus"};
    QTest::newRow("stator") << Winding::Stator << common;
    QTest::newRow("rotor") << Winding::Rotor
                           << common + QStringList{"rotationSlider", "initialPositionSlider"};
}

// A lone digit-only field, limited to three characters as the panels set it, shown; the
// clipboard holds "45".
std::unique_ptr<CNumericEdit> ShownNumericEdit() {
    auto edit = std::make_unique<CNumericEdit>();
    edit->setMaxLength(3);
    edit->show();
    if (!QTest::qWaitForWindowExposed(edit.get())) qWarning("the field was never exposed");
    QApplication::clipboard()->setText(QStringLiteral("45"));
    return edit;
}

}  // namespace

// The real "Stator" and "Rotor" panels and their digit-only field, driven as a user would.
class PanelsTest : public QObject {
    Q_OBJECT

private slots:
    // The panels' state after representative transitions.
    void transitions_data();
    void transitions();
    // The phase-angle fields: what typing sends, the clamp to 360, and stepping in 0..360.
    void typing_data();
    void typing();
    void editingInsideTheText();
    void stepping_data();
    void stepping();
    // Trackbars and labels, Enter, hiding and showing again, placement, keyboard order,
    // texts and sizes.
    void trackbars_data();
    void trackbars();
    void enterSendsTheValuesAgain();
    void hiddenPanelComesBack_data();
    void hiddenPanelComesBack();
    void placementAndTabOrder_data() { AddWindings(); }
    void placementAndTabOrder();
    void textsAndSizes_data() { AddWindings(); }
    void textsAndSizes();
    // The phase pictures, probed pixel by pixel.
    void probes_data();
    void probes();
    // The digit-only field alone.
    void typedPastedAndDropped_data();
    void typedPastedAndDropped();
    void editingKeysWork();
    void controlCharactersAreDropped();
};

void PanelsTest::transitions_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QStringList>("disabled");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QList<WindingSettings>>("sent");

    const QString p1 = "phase1Check", p2 = "phase2Check", p3 = "phase3Check";
    const QStringList fields{"phase1Edit", "phase1Spin", "phase2Edit",
                             "phase2Spin", "phase3Edit", "phase3Spin"};
    const QStringList frames{"phase1Frame", "phase2Frame", "phase3Frame"};
    const QStringList phase23{"phase2Frame", "phase2Edit", "phase2Spin",
                              "phase3Frame", "phase3Edit", "phase3Spin"};
    const WindingSettings sinus1{1, 0, 0, 0, 0, 0, 50, 0, 0, 0};
    const WindingSettings sinus12{1, 1, 0, 0, 0, 0, 50, 0, 0, 0};
    const WindingSettings sinus123{1, 1, 1, 0, 0, 0, 50, 0, 0, 0};

    // Disabled controls take no clicks. Before any action the stator shows its frequency
    // label.
    QTest::newRow("stator: fresh")
        << Winding::Stator << QStringList{p2, p3, "sinus", "continu"} << QStringList{}
        << QStringList{p2, p3, "sinus", "continu", "rectangulaire"}
        << fields + frames + QStringList{"frequencySlider"} << QList<WindingSettings>{};
    QTest::newRow("rotor: phase 1 on")
        << Winding::Rotor << QStringList{p1} << QStringList{p1, "sinus"} << QStringList{p3}
        << phase23 << QList<WindingSettings>{sinus1};
    QTest::newRow("stator: phases 1 and 2 on")
        << Winding::Stator << QStringList{p1, p2} << QStringList{p1, p2, "sinus"} << QStringList{}
        << phase23.mid(3) << QList<WindingSettings>{sinus1, sinus12};
    // Phases 2 and 3 are checked but disabled: clicks on them change nothing.
    QTest::newRow("stator: rectangulaire")
        << Winding::Stator << QStringList{p1, "rectangulaire", p2}
        << QStringList{p1, p2, p3, "rectangulaire"} << QStringList{p2, p3} << fields
        << QList<WindingSettings>{sinus1, {1, 1, 1, 0, 0, 0, 50, 0, 0, 2}};
    QTest::newRow("rotor: continu takes phases 2 and 3")
        << Winding::Rotor << QStringList{p1, p2, "continu"} << QStringList{p1, "continu"}
        << QStringList{p2, p3}
        << fields + phase23 + QStringList{"frequencySlider", "frequencyLabel"}
        << QList<WindingSettings>{sinus1, sinus12, {1, 0, 0, 0, 0, 0, 50, 0, 0, 1}};
    QTest::newRow("stator: phase 1 off takes all")
        << Winding::Stator << QStringList{p1, p2, p3, p1} << QStringList{}
        << QStringList{p2, p3, "sinus", "continu", "rectangulaire"}
        << fields + frames + QStringList{"frequencySlider", "frequencyLabel"}
        << QList<WindingSettings>{sinus1, sinus12, sinus123, {0, 0, 0, 0, 0, 0, 50, 0, 0, -1}};
}

void PanelsTest::transitions() {
    QFETCH(Winding, winding);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, checked);
    QFETCH(QStringList, disabled);
    QFETCH(QStringList, hidden);
    QFETCH(QList<WindingSettings>, sent);

    OpenPanel open(winding);
    for (const QString& name : clicks) open.Click(name);

    for (const QString& name : checked + disabled + hidden)
        QVERIFY2(open.Find(name), qPrintable(name));
    for (QWidget* widget : open.Panel().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString name = widget->objectName();
        if (name.isEmpty()) continue;
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        QVERIFY2((button && button->isChecked()) == checked.contains(name), qPrintable(name));
        QVERIFY2(widget->isEnabled() != disabled.contains(name), qPrintable(name));
        QVERIFY2(widget->isVisibleTo(&open.Panel()) != hidden.contains(name), qPrintable(name));
    }
    QCOMPARE(open.Records(), sent);
}

void PanelsTest::typing_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<int>("phase");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("angles");  // one record per change of the text
    QTest::addColumn<QString>("text");

    QTest::newRow("4, 45, then 450 clamped")
        << Winding::Stator << 1 << "450" << QList<int>{4, 45, 360} << "360";
    QTest::newRow("letters and a fourth character change nothing")
        << Winding::Stator << 2 << "1x234" << QList<int>{1, 12, 123} << "123";
    QTest::newRow("clamp, then backspace")
        << Winding::Rotor << 3 << "999\b" << QList<int>{9, 99, 360, 36} << "36";
}

void PanelsTest::typing() {
    QFETCH(Winding, winding);
    QFETCH(int, phase);
    QFETCH(QString, typed);
    QFETCH(QList<int>, angles);
    QFETCH(QString, text);

    OpenPanel open(winding);
    QLineEdit* edit = SelectField(open, phase);
    open.Forget();
    QTest::keyClicks(edit, typed);

    QList<WindingSettings> expected;
    for (const int angle : angles) expected << AllPhasesWithAngle(phase, angle);
    QCOMPARE(open.Records(), expected);
    QCOMPARE(edit->text(), text);
}

// The panel's own rewrite of the text leaves the caret where the user is typing.
void PanelsTest::editingInsideTheText() {
    OpenPanel open(Winding::Stator);
    QLineEdit* edit = SelectField(open, 1);
    QTest::keyClicks(edit, "12");
    QTest::keyClick(edit, Qt::Key_Home);
    open.Forget();
    QTest::keyClicks(edit, "3\b");

    QCOMPARE(open.Records(), QList({AllPhasesWithAngle(1, 312), AllPhasesWithAngle(1, 12)}));
    QCOMPARE(edit->text(), QStringLiteral("12"));
}

void PanelsTest::stepping_data() {
    QTest::addColumn<int>("phase");
    QTest::addColumn<QString>("start");   // typed over the field's "0" first
    QTest::addColumn<QString>("action");  // an arrow key, or the up/down control's button
    QTest::addColumn<QString>("text");    // a record is sent only when the step changed it
    const std::tuple<const char*, int, const char*, const char*, const char*> rows[] = {
        {"up button from 0", 1, "0", "up", "1"},
        {"down key at 0", 2, "0", "Down", "0"},
        {"up key to 360", 3, "359", "Up", "360"},
        {"up button at 360", 1, "360", "up", "360"},
        {"down button from 360", 2, "360", "down", "359"},
        {"up from an empty field", 3, "\b", "up", "1"}};
    for (const auto& [name, phase, start, action, text] : rows)
        QTest::newRow(name) << phase << QString(start) << QString(action) << QString(text);
}

void PanelsTest::stepping() {
    QFETCH(int, phase);
    QFETCH(QString, start);
    QFETCH(QString, action);
    QFETCH(QString, text);

    OpenPanel open(Winding::Stator);
    QLineEdit* edit = SelectField(open, phase);
    QTest::keyClicks(edit, start);
    const QString before = edit->text();
    open.Forget();
    if (action == QLatin1String("Up") || action == QLatin1String("Down")) {
        QTest::keyClick(edit, action == QLatin1String("Up") ? Qt::Key_Up : Qt::Key_Down);
    } else {
        QWidget* spin = open.Find(QStringLiteral("phase%1Spin").arg(phase));
        QTest::mouseClick(spin->findChild<QToolButton*>(action), Qt::LeftButton);
    }

    QCOMPARE(edit->text(), text);
    QCOMPARE(open.Records(), text == before ? QList<WindingSettings>{}
                                            : QList{AllPhasesWithAngle(phase, text.toInt())});
}

void PanelsTest::trackbars_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("labelText");  // of the label below the trackbar
    QTest::addColumn<WindingSettings>("record");
    // Phase 1 is on except for the rotation row; the hidden frequency label is refreshed
    // from the other trackbars too.
    QTest::newRow("stator frequency top")
        << Winding::Stator << "frequencySlider" << int(Qt::Key_End)
        << QString::fromUtf8("fréquence stator: 100 Hz")
        << WindingSettings{1, 0, 0, 0, 0, 0, 100, 0, 0, 0};
    QTest::newRow("rotor frequency down")
        << Winding::Rotor << "frequencySlider" << int(Qt::Key_Left)
        << QString::fromUtf8("fréquence rotor: 49 Hz")
        << WindingSettings{1, 0, 0, 0, 0, 0, 49, 0, 0, 0};
    QTest::newRow("rotation up") << Winding::Rotor << "rotationSlider" << int(Qt::Key_Right)
                                 << QString::fromUtf8("fréquence de rotation: 1 Hz")
                                 << WindingSettings{0, 0, 0, 0, 0, 0, 50, 1, 0, -1};
    QTest::newRow("initial position top")
        << Winding::Rotor << "initialPositionSlider" << int(Qt::Key_End)
        << QString::fromUtf8("position initiale: 360 degré")
        << WindingSettings{1, 0, 0, 0, 0, 0, 50, 0, 360, 0};
}

void PanelsTest::trackbars() {
    QFETCH(Winding, winding);
    QFETCH(QString, slider);
    QFETCH(int, key);
    QFETCH(QString, labelText);
    QFETCH(WindingSettings, record);

    OpenPanel open(winding);
    if (record.phase1On) open.Click("phase1Check");
    open.Forget();
    auto* moved = open.Find<QSlider>(slider);
    PressOn(*moved, static_cast<Qt::Key>(key));

    QCOMPARE(moved->value(), slider == "frequencySlider"  ? record.frequencyHz
                             : slider == "rotationSlider" ? record.rotationHz
                                                          : record.initialPositionDeg);
    QCOMPARE(open.Find<QLabel>(QString(slider).replace("Slider", "Label"))->text(), labelText);
    QCOMPARE(open.Find<QLabel>("frequencyLabel")->text(),
             QString::fromUtf8("fréquence %1: %2 Hz")
                 .arg(winding == Winding::Stator ? "stator" : "rotor")
                 .arg(record.frequencyHz));
    QCOMPARE(open.Records(), QList<WindingSettings>{record});
}

// Return on a radio button and keypad Enter on a trackbar each send the values once more
// and leave the panel open; Return in an angle field is pressed after Reopen below.
void PanelsTest::enterSendsTheValuesAgain() {
    OpenPanel open(Winding::Rotor);
    open.Click("phase1Check");
    open.Click("continu");
    open.Forget();
    PressOn(*open.Find("continu"), Qt::Key_Return);
    PressOn(*open.Find("rotationSlider"), Qt::Key_Enter);
    const WindingSettings continu{1, 0, 0, 0, 0, 0, 50, 0, 0, 1};
    QCOMPARE(open.Records(), (QList<WindingSettings>{continu, continu}));
    QVERIFY(open.Panel().isVisible());
}

void PanelsTest::hiddenPanelComesBack_data() {
    QTest::addColumn<bool>("byEscape");  // else by the window manager's close button
    QTest::newRow("Escape") << true;
    QTest::newRow("close button") << false;
}

void PanelsTest::hiddenPanelComesBack() {
    QFETCH(bool, byEscape);
    OpenPanel open(Winding::Stator);
    open.Click("phase1Check");
    open.Click("phase2Check");
    auto* angle = open.Find<QLineEdit>("phase2Edit");
    angle->selectAll();
    QTest::keyClicks(angle, "30");
    open.Forget();
    open.Panel().Reopen();  // already shown: changes nothing
    QVERIFY(open.Panel().isVisible());
    const QSize designed = open.Panel().size();
    // Resized from outside, as a tool may where no window manager keeps the fixed size.
    open.Panel().windowHandle()->setMinimumSize(QSize(1, 1));
    open.Panel().windowHandle()->resize(1, 1);
    QTRY_COMPARE(open.Panel().size(), QSize(1, 1));

    if (byEscape)
        PressOn(*angle, Qt::Key_Escape);
    else
        open.Panel().close();
    QVERIFY(open.Panel().isHidden());

    open.Panel().Reopen();
    QVERIFY(open.Panel().isVisible());
    QTRY_COMPARE(open.Panel().size(), designed);
    QVERIFY(QTest::qWaitForWindowActive(&open.Panel()));
    QVERIFY(open.Find<QCheckBox>("phase2Check")->isChecked());
    QCOMPARE(angle->text(), QStringLiteral("30"));
    QVERIFY(angle->isVisibleTo(&open.Panel()));
    QVERIFY(open.Records().empty());
    PressOn(*angle, Qt::Key_Return);
    QCOMPARE(open.Records(), (QList<WindingSettings>{{1, 1, 0, 0, 30, 0, 50, 0, 0, 0}}));
}

// The panel opens at the owner's client origin with the focus on "phase 1"; then, in
// "sinus" with every phase on, Tab visits every control in the template's order, entering
// the waveform group at its checked button only.
void PanelsTest::placementAndTabOrder() {
    QFETCH(Winding, winding);
    QFETCH(QStringList, order);
    OpenPanel open(winding);
    QVERIFY(QTest::qWaitForWindowActive(&open.Panel()));
    const QPoint clientOrigin = open.Owner().centralWidget()->mapToGlobal(QPoint(0, 0));
    QVERIFY(clientOrigin.y() > open.Owner().geometry().y());  // below the menu bar
    QTRY_COMPARE(open.Panel().pos(), clientOrigin);
    QCOMPARE(open.Panel().focusWidget(), open.Find("phase1Check"));
    const QRect screen = open.Owner().screen()->availableGeometry();
    open.Owner().move(40, screen.bottom() - 100);
    open.Panel().Open();  // below a main window placed low, it stays on the screen
    QTRY_VERIFY(screen.contains(open.Panel().frameGeometry()));

    for (const char* name : {"phase1Check", "phase2Check", "phase3Check"}) open.Click(name);
    open.Find(order.front())->setFocus();
    QStringList visited{order.front()};
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(open.Panel().focusWidget(), Qt::Key_Tab);
        visited << open.Panel().focusWidget()->objectName();
    }
    QCOMPARE(visited, order + QStringList{order.front()});  // and round again
}

// Exact texts, the sizes the templates give (128 x 263 and 128 x 301 dialog units), and no
// text clipped with this system's font, the labels at their longest.
void PanelsTest::textsAndSizes() {
    QFETCH(Winding, winding);
    const bool stator = winding == Winding::Stator;
    OpenPanel open(winding);
    CWindingPanel& panel = open.Panel();
    QCOMPARE(panel.windowTitle(), stator ? "Stator" : "Rotor");
    QCOMPARE(panel.size(), stator ? QSize(192, 427) : QSize(192, 489));
    QCOMPARE(open.Find<QLabel>("frequencyLabel")->text(), QString());
    open.Click("phase1Check");
    for (QSlider* slider : panel.findChildren<QSlider*>()) PressOn(*slider, Qt::Key_End);

    for (int phase = 1; phase <= 3; ++phase) {
        QCOMPARE(open.Find<QCheckBox>(QStringLiteral("phase%1Check").arg(phase))->text(),
                 QStringLiteral("phase %1").arg(phase));
        QCOMPARE(open.Find(QStringLiteral("phase%1Frame").arg(phase))->size(), QSize(105, 65));
    }
    QStringList seenWaveforms;
    for (QRadioButton* radio : panel.findChildren<QRadioButton*>()) seenWaveforms << radio->text();
    QCOMPARE(seenWaveforms, (stator ? QStringList{"sinus", "continu", "rectangulaire"}
                                    : QStringList{"sinus", "continu"}));
    const QList<QGroupBox*> groups = panel.findChildren<QGroupBox*>();
    QCOMPARE(groups.size(), 3);
    for (const QGroupBox* group : groups) QCOMPARE(group->title(), QStringLiteral("phase"));

    for (QWidget* widget : panel.findChildren<QWidget*>()) {
        if (widget->parentWidget() != &panel) continue;
        QVERIFY2(panel.rect().contains(widget->geometry()), qPrintable(widget->objectName()));
        const QFontMetrics metrics = widget->fontMetrics();
        if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
            QVERIFY2(metrics.height() <= button->height(), qPrintable(button->text()));
        } else if (const auto* label = qobject_cast<QLabel*>(widget)) {
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
            QVERIFY2(metrics.height() <= label->height(), qPrintable(label->text()));
        } else if (const auto* group = qobject_cast<QGroupBox*>(widget)) {
            QVERIFY(metrics.horizontalAdvance(group->title()) < group->width());
        }
    }
}

void PanelsTest::probes_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<QString>("angle1");  // typed into phase 1's field after the first click
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<double>("currentAngle");
    QTest::addColumn<int>("phase");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("colour");

    const Winding S = Winding::Stator, R = Winding::Rotor;
    const QStringList p1{"phase1Check"}, all{"phase1Check", "phase2Check", "phase3Check"};

    // The picture fills its frame less 4 pixels on each side.
    QTest::newRow("top-left corner") << S << "" << p1 << 0.0 << 1 << QPoint(0, 0) << "white";
    QTest::newRow("bottom-right corner") << S << "" << p1 << 0.0 << 1 << QPoint(96, 56) << "white";
    QTest::newRow("left of the picture")
        << S << "" << p1 << 0.0 << 1 << QPoint(-1, 20) << "background";
    QTest::newRow("right of the picture")
        << S << "" << p1 << 0.0 << 1 << QPoint(97, 20) << "background";
    QTest::newRow("below the picture")
        << S << "" << p1 << 0.0 << 1 << QPoint(20, 57) << "background";

    // The time cursor: x = 10 + trunc((97 - 15) * angle / 6.28318).
    QTest::newRow("cursor on the axis at 0")
        << S << "" << p1 << 0.0 << 1 << QPoint(10, 15) << "black";
    QTest::newRow("cursor mid-picture at 3.14159")
        << S << "" << p1 << 3.14159 << 1 << QPoint(51, 15) << "black";
    QTest::newRow("axis bare at 3.14159")
        << S << "" << p1 << 3.14159 << 1 << QPoint(10, 15) << "red";
    QTest::newRow("same cursor in rotor phase 3")
        << R << "" << all << 3.14159 << 3 << QPoint(51, 15) << "black";

    // The panel's angles and waveform reach the pictures: sine crest at (30, 5) for angle
    // 0, reaching (51, 51) at 90; six-step phase 2 high at 60; constant line at y 10.
    QTest::newRow("sine crest") << S << "" << p1 << 0.0 << 1 << QPoint(30, 5) << "blue";
    QTest::newRow("sine at 90 degrees") << S << "90" << p1 << 0.0 << 1 << QPoint(51, 51) << "blue";
    QTest::newRow("rectangulaire phase 2 high at 60")
        << S << "" << QStringList{"phase1Check", "rectangulaire"} << 0.0 << 2 << QPoint(60, 10)
        << "blue";
    QTest::newRow("rotor continu")
        << R << "" << QStringList{"phase1Check", "continu"} << 0.0 << 1 << QPoint(50, 10) << "blue";
}

void PanelsTest::probes() {
    QFETCH(Winding, winding);
    QFETCH(QString, angle1);
    QFETCH(QStringList, clicks);
    QFETCH(double, currentAngle);
    QFETCH(int, phase);
    QFETCH(QPoint, at);
    QFETCH(QString, colour);
    OpenPanel open(winding);
    open.Click(clicks.front());
    if (!angle1.isEmpty()) {
        auto* edit = open.Find<QLineEdit>("phase1Edit");
        edit->selectAll();
        QTest::keyClicks(edit, angle1);
    }
    for (const QString& name : clicks.mid(1)) open.Click(name);
    open.Panel().SetCurrentAngle(currentAngle);
    open.Panel().DrawPhasePictures();

    QWidget* frame = open.Find(QStringLiteral("phase%1Frame").arg(phase));
    QVERIFY(frame->isVisibleTo(&open.Panel()));
    const QImage image = open.Panel().grab().toImage();
    const QPoint probe = frame->geometry().topLeft() + QPoint(4, 4) + at;
    const qreal ratio = image.devicePixelRatio();
    const QColor expected = colour == QLatin1String("background")
                                ? open.Panel().palette().color(QPalette::Window)
                                : QColor(colour);
    QCOMPARE(
        image.pixelColor(static_cast<int>(probe.x() * ratio), static_cast<int>(probe.y() * ratio)),
        expected);
}

// Typed characters other than digits and spaces are dropped one by one; pasted or dropped
// text is refused whole unless it is all digits and spaces.
void PanelsTest::typedPastedAndDropped_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("typed");    // the text after typing the input
    QTest::addColumn<QString>("offered");  // the text after pasting or dropping it
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {" 42", " 42", " 42"}, {"4a-", "4", ""}, {"-.+5", "5", ""}, {"1234", "123", "123"}};
    for (const auto& [input, typed, offered] : rows)
        QTest::newRow(input) << QString(input) << QString(typed) << QString(offered);
}

void PanelsTest::typedPastedAndDropped() {
    QFETCH(QString, input);
    QFETCH(QString, typed);
    QFETCH(QString, offered);
    const auto edit = ShownNumericEdit();
    QTest::keyClicks(edit.get(), input);
    QCOMPARE(edit->text(), typed);

    edit->clear();
    QApplication::clipboard()->setText(input);
    edit->paste();  // the context menu's route
    QCOMPARE(edit->text(), offered);
    edit->clear();
    QTest::keyClick(edit.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), offered);

    edit->clear();
    QMimeData mime;
    mime.setText(input);
    const QPoint at(2, edit->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit.get(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit.get(), &drop);
    QCOMPARE(edit->text(), offered);
}

void PanelsTest::editingKeysWork() {
    const auto edit = ShownNumericEdit();
    QTest::keyClicks(edit.get(), "123");
    QTest::keyClick(edit.get(), Qt::Key_Left);
    QTest::keyClick(edit.get(), Qt::Key_Left);
    QCOMPARE(edit->cursorPosition(), 1);
    QTest::keyClick(edit.get(), Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("13"));
    QTest::keyClick(edit.get(), Qt::Key_End);
    QTest::keyClick(edit.get(), Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("1"));
    // The select-all shortcut is dropped too: what follows is appended.
    QTest::keyClick(edit.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit.get(), "9");
    QCOMPARE(edit->text(), QStringLiteral("19"));
    QTest::keyClick(edit.get(), Qt::Key_Home);
    QTest::keyClick(edit.get(), Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("9"));
}

// Ctrl shortcuts other than paste (undo, copy, cut, Ctrl with a digit) and control codes
// change neither the selected text nor the clipboard.
void PanelsTest::controlCharactersAreDropped() {
    const auto edit = ShownNumericEdit();
    const std::tuple<int, Qt::KeyboardModifiers, QChar> keys[] = {
        {Qt::Key_Z, Qt::ControlModifier, u'z'}, {Qt::Key_C, Qt::ControlModifier, u'c'},
        {Qt::Key_X, Qt::ControlModifier, u'x'}, {Qt::Key_1, Qt::ControlModifier, u'1'},
        {Qt::Key_A, Qt::NoModifier, QChar(1)},  {Qt::Key_unknown, Qt::NoModifier, QChar(127)}};
    QTest::keyClicks(edit.get(), "12");
    for (const auto& [key, modifiers, character] : keys) {
        edit->selectAll();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(character));
        QApplication::sendEvent(edit.get(), &press);
        QVERIFY2(edit->text() == QStringLiteral("12"), qPrintable(QString::number(key, 16)));
        QVERIFY2(QApplication::clipboard()->text() == QStringLiteral("45"),
                 qPrintable(QString::number(key, 16)));
    }
}

int main(int argc, char* argv[]) {
    // Headless on the offscreen platform unless the environment names a platform or a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    PanelsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "panels_test.moc"
