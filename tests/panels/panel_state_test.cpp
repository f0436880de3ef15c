#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <map>

#include "panel_test_support.h"

using vireflu::Winding;
using vireflu::WindingSettings;
using vireflu::panels_test::OpenPanel;
using vireflu::panels_test::Record;

Q_DECLARE_METATYPE(vireflu::WindingSettings)
Q_DECLARE_METATYPE(Winding)

namespace {

struct ControlView {
    bool enabled;
    bool visible;
    bool checked;

    bool operator==(const ControlView&) const = default;
};

using PanelView = std::map<QString, ControlView>;

enum class PanelState { Fresh, Off, Sinus, Continu, Rectangulaire };

// What a user sees of each control in a state, from the panels' state table. Phases 2 and
// 3 matter in the state Sinus only.
PanelView Expected(Winding winding, PanelState state, bool phase2, bool phase3) {
    const bool off = state == PanelState::Fresh || state == PanelState::Off;
    const bool sinus = state == PanelState::Sinus;
    const bool rectangulaire = state == PanelState::Rectangulaire;
    const bool frequencyShown = sinus || rectangulaire;
    PanelView view;
    view["phase1Check"] = {true, true, !off};
    view["sinus"] = {!off, true, sinus};
    view["continu"] = {!off, true, state == PanelState::Continu};
    if (winding == Winding::Stator) view["rectangulaire"] = {!off, true, rectangulaire};
    view["phase2Check"] = {sinus, true, (sinus && phase2) || rectangulaire};
    view["phase3Check"] = {sinus && phase2, true, (sinus && phase3) || rectangulaire};
    view["phase1Frame"] = {true, !off, false};
    view["phase2Frame"] = {true, (sinus && phase2) || rectangulaire, false};
    view["phase3Frame"] = {true, (sinus && phase3) || rectangulaire, false};
    for (const char* kind : {"Edit", "Spin"}) {
        view[QStringLiteral("phase1%1").arg(kind)] = {true, sinus, false};
        view[QStringLiteral("phase2%1").arg(kind)] = {true, sinus && phase2, false};
        view[QStringLiteral("phase3%1").arg(kind)] = {true, sinus && phase3, false};
    }
    view["frequencySlider"] = {true, frequencyShown, false};
    // Before any action the stator shows its (empty) frequency label.
    const bool freshStator = state == PanelState::Fresh && winding == Winding::Stator;
    view["frequencyLabel"] = {true, frequencyShown || freshStator, false};
    if (winding == Winding::Rotor) {
        // Visible and enabled in every state.
        for (const char* name :
             {"rotationSlider", "rotationLabel", "initialPositionSlider", "initialPositionLabel"})
            view[name] = {true, true, false};
    }
    return view;
}

PanelView Seen(OpenPanel& open, const PanelView& names) {
    PanelView view;
    for (const auto& [name, expected] : names) {
        QWidget* widget = open.Find<QWidget>(name);
        if (!widget) continue;
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        view[name] = {widget->isEnabled(), widget->isVisibleTo(&open.Panel()),
                      button && button->isChecked()};
    }
    return view;
}

QString Describe(const PanelView& view) {
    QStringList lines;
    for (const auto& [name, v] : view)
        lines << QStringLiteral("%1: %2 %3 %4")
                     .arg(name, v.enabled ? "enabled" : "disabled", v.visible ? "shown" : "hidden",
                          v.checked ? "checked" : "-");
    return lines.join(QStringLiteral("; "));
}

}  // namespace

// Every transition of the panels' state table, through clicks on the real controls: the
// controls' enabled, visible and checked states after it and the records it sent.
class PanelStateTest : public QObject {
    Q_OBJECT

private slots:
    void freshPanel_data();
    void freshPanel();
    void transitions_data();
    void transitions();
    void anglesAndFrequencyOutliveTheirHiddenControls();
};

void PanelStateTest::freshPanel_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<QString>("frequencyLabel");
    QTest::newRow("stator") << Winding::Stator << "";
    QTest::newRow("rotor") << Winding::Rotor << "";
}

void PanelStateTest::freshPanel() {
    QFETCH(Winding, winding);
    QFETCH(QString, frequencyLabel);
    OpenPanel open(winding);
    const PanelView expected = Expected(winding, PanelState::Fresh, false, false);
    const PanelView seen = Seen(open, expected);
    QVERIFY2(seen == expected, qPrintable(Describe(seen)));
    for (const char* field : {"phase1Edit", "phase2Edit", "phase3Edit"})
        QCOMPARE(open.Find<QLineEdit>(field)->text(), QStringLiteral("0"));
    QCOMPARE(open.Find<QSlider>("frequencySlider")->value(), 50);
    QCOMPARE(open.Find<QLabel>("frequencyLabel")->text(), frequencyLabel);
    if (winding == Winding::Rotor) {
        QCOMPARE(open.Find<QSlider>("rotationSlider")->value(), 0);
        QCOMPARE(open.Find<QSlider>("initialPositionSlider")->value(), 0);
        QCOMPARE(open.Find<QLabel>("rotationLabel")->text(),
                 QString::fromUtf8("fréquence de rotation: 0 Hz"));
        QCOMPARE(open.Find<QLabel>("initialPositionLabel")->text(),
                 QString::fromUtf8("position initiale: 0 degré"));
    }
    QVERIFY(open.Records().empty());
}

void PanelStateTest::transitions_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<PanelState>("state");
    QTest::addColumn<bool>("phase2");
    QTest::addColumn<bool>("phase3");
    QTest::addColumn<int>("sent");
    QTest::addColumn<WindingSettings>("last");

    const QString p1 = "phase1Check", p2 = "phase2Check", p3 = "phase3Check";
    const WindingSettings sinus1 = Record(1, 0, 0, 0, 0, 0, 50, 0, 0, 0);
    const WindingSettings sinus12 = Record(1, 1, 0, 0, 0, 0, 50, 0, 0, 0);
    const WindingSettings sinus123 = Record(1, 1, 1, 0, 0, 0, 50, 0, 0, 0);
    const WindingSettings continu = Record(1, 0, 0, 0, 0, 0, 50, 0, 0, 1);
    const WindingSettings off = Record(0, 0, 0, 0, 0, 0, 50, 0, 0, -1);
    const WindingSettings rectangulaire = Record(1, 1, 1, 0, 0, 0, 50, 0, 0, 2);

    for (const Winding winding : {Winding::Stator, Winding::Rotor}) {
        const char* twin = winding == Winding::Stator ? "stator" : "rotor";
        const auto row = [twin](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(twin, name)));
        };
        // Disabled controls take no clicks: nothing changes and nothing is sent.
        row("disabled controls") << winding << QStringList{p2, p3, "sinus", "continu"}
                                 << PanelState::Fresh << false << false << 0 << WindingSettings{};
        row("phase 1 on") << winding << QStringList{p1} << PanelState::Sinus << false << false << 1
                          << sinus1;
        row("phase 2 on") << winding << QStringList{p1, p2} << PanelState::Sinus << true << false
                          << 2 << sinus12;
        row("phase 3 on") << winding << QStringList{p1, p2, p3} << PanelState::Sinus << true << true
                          << 3 << sinus123;
        row("phase 3 off") << winding << QStringList{p1, p2, p3, p3} << PanelState::Sinus << true
                           << false << 4 << sinus12;
        row("phase 2 off takes phase 3") << winding << QStringList{p1, p2, p3, p2}
                                         << PanelState::Sinus << false << false << 4 << sinus1;
        row("phase 1 off takes all") << winding << QStringList{p1, p2, p3, p1} << PanelState::Off
                                     << false << false << 4 << off;
        row("continu") << winding << QStringList{p1, "continu"} << PanelState::Continu << false
                       << false << 2 << continu;
        row("continu takes phases 2 and 3")
            << winding << QStringList{p1, p2, p3, "continu"} << PanelState::Continu << false
            << false << 4 << continu;
        row("continu back to sinus") << winding << QStringList{p1, "continu", "sinus"}
                                     << PanelState::Sinus << false << false << 3 << sinus1;
        row("continu, phase 1 off") << winding << QStringList{p1, "continu", p1} << PanelState::Off
                                    << false << false << 3 << off;
        row("phase 1 on again lands in sinus")
            << winding << QStringList{p1, "continu", p1, p1} << PanelState::Sinus << false << false
            << 4 << sinus1;
        row("sinus again") << winding << QStringList{p1, p2, "sinus"} << PanelState::Sinus << true
                           << false << 3 << sinus12;
        row("continu again") << winding << QStringList{p1, "continu", "continu"}
                             << PanelState::Continu << false << false << 3 << continu;
    }

    const auto row = [](const char* name) -> QTestData& {
        return QTest::newRow(qPrintable(QStringLiteral("stator: %1").arg(name)));
    };
    row("rectangulaire") << Winding::Stator << QStringList{p1, "rectangulaire"}
                         << PanelState::Rectangulaire << false << false << 2 << rectangulaire;
    row("continu to rectangulaire")
        << Winding::Stator << QStringList{p1, "continu", "rectangulaire"}
        << PanelState::Rectangulaire << false << false << 3 << rectangulaire;
    row("rectangulaire back to sinus")
        << Winding::Stator << QStringList{p1, p2, p3, "rectangulaire", "sinus"} << PanelState::Sinus
        << false << false << 5 << sinus1;
    row("rectangulaire to continu")
        << Winding::Stator << QStringList{p1, "rectangulaire", "continu"} << PanelState::Continu
        << false << false << 3 << continu;
    row("rectangulaire, phase 1 off") << Winding::Stator << QStringList{p1, "rectangulaire", p1}
                                      << PanelState::Off << false << false << 3 << off;
    row("rectangulaire again") << Winding::Stator
                               << QStringList{p1, "rectangulaire", "rectangulaire"}
                               << PanelState::Rectangulaire << false << false << 3 << rectangulaire;
    // Phases 2 and 3 are checked but disabled: clicks on them change nothing.
    row("rectangulaire holds phases 2 and 3")
        << Winding::Stator << QStringList{p1, "rectangulaire", p2, p3} << PanelState::Rectangulaire
        << false << false << 2 << rectangulaire;
}

void PanelStateTest::transitions() {
    QFETCH(Winding, winding);
    QFETCH(QStringList, clicks);
    QFETCH(PanelState, state);
    QFETCH(bool, phase2);
    QFETCH(bool, phase3);
    QFETCH(int, sent);
    QFETCH(WindingSettings, last);

    OpenPanel open(winding);
    for (const QString& name : clicks) open.Click(name);

    const PanelView expected = Expected(winding, state, phase2, phase3);
    const PanelView seen = Seen(open, expected);
    QVERIFY2(seen == expected, qPrintable(Describe(seen)));
    const std::vector<WindingSettings> records = open.Records();
    QCOMPARE(static_cast<int>(records.size()), sent);
    if (sent > 0) QCOMPARE(records.back(), last);
}

// Values whose controls are hidden keep their last values and are still sent.
void PanelStateTest::anglesAndFrequencyOutliveTheirHiddenControls() {
    OpenPanel open(Winding::Stator);
    open.Click("phase1Check");
    open.Click("phase2Check");
    open.Click("phase3Check");
    for (const auto& [field, angle] :
         {std::pair{"phase1Edit", "10"}, std::pair{"phase2Edit", "130"},
          std::pair{"phase3Edit", "250"}}) {
        QLineEdit* edit = open.Find<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClicks(edit, angle);
    }
    QSlider* frequency = open.Find<QSlider>("frequencySlider");
    frequency->setFocus();
    QTest::keyClick(frequency, Qt::Key_Right);

    open.Click("rectangulaire");
    QCOMPARE(open.Records().back(), Record(1, 1, 1, 10, 130, 250, 51, 0, 0, 2));
    open.Click("sinus");
    QCOMPARE(open.Records().back(), Record(1, 0, 0, 10, 130, 250, 51, 0, 0, 0));
    open.Click("phase1Check");
    QCOMPARE(open.Records().back(), Record(0, 0, 0, 10, 130, 250, 51, 0, 0, -1));
    open.Click("phase1Check");
    QCOMPARE(open.Records().back(), Record(1, 0, 0, 10, 130, 250, 51, 0, 0, 0));
    QCOMPARE(open.Find<QLineEdit>("phase1Edit")->text(), QStringLiteral("10"));
    QCOMPARE(open.Find<QLineEdit>("phase2Edit")->text(), QStringLiteral("130"));
    QCOMPARE(open.Find<QLineEdit>("phase3Edit")->text(), QStringLiteral("250"));
}

VIREFLU_PANEL_TEST_MAIN(PanelStateTest)
#include "panel_state_test.moc"
