#include <QLineEdit>
#include <QToolButton>

#include "panel_test_support.h"

using vireflu::Winding;
using vireflu::WindingSettings;
using vireflu::panels_test::OpenPanel;

Q_DECLARE_METATYPE(Winding)

namespace {

// The record of a panel in "sinus" with all three phases on and one angle set.
WindingSettings AllPhasesWithAngle(int phase, int angle) {
    WindingSettings record{1, 1, 1, 0, 0, 0, 50, 0, 0, vireflu::kWaveformSinus};
    (phase == 1   ? record.phase1AngleDeg
     : phase == 2 ? record.phase2AngleDeg
                  : record.phase3AngleDeg) = angle;
    return record;
}

// A panel in "sinus" with all three phases on, so every angle field is shown.
void ShowAllFields(OpenPanel& open) {
    open.Click("phase1Check");
    open.Click("phase2Check");
    open.Click("phase3Check");
}

// Selects the field's whole text with the keyboard, as a user would before typing over it.
QLineEdit* SelectField(OpenPanel& open, int phase) {
    QLineEdit* edit = open.Find<QLineEdit>(QStringLiteral("phase%1Edit").arg(phase));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    return edit;
}

}  // namespace

// The phase-angle fields: what typing into them sends, the clamp to 360, and the up/down
// controls and arrow keys within 0..360.
class AngleFieldTest : public QObject {
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void editingInsideTheText();
    void stepping_data();
    void stepping();
};

void AngleFieldTest::typing_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<int>("phase");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("angles");  // one record per change of the text
    QTest::addColumn<QString>("text");

    QTest::newRow("4, 45, then 450 clamped")
        << Winding::Stator << 1 << "450" << QList<int>{4, 45, 360} << "360";
    QTest::newRow("360 stays") << Winding::Stator << 1 << "360" << QList<int>{3, 36, 360} << "360";
    QTest::newRow("emptied field") << Winding::Stator << 1 << "\b" << QList<int>{0} << "";
    QTest::newRow("leading space")
        << Winding::Stator << 1 << " 45" << QList<int>{0, 4, 45} << " 45";
    QTest::newRow("space between digits")
        << Winding::Stator << 1 << "4 5" << QList<int>{4, 4, 4} << "4 5";
    QTest::newRow("letters change nothing")
        << Winding::Stator << 1 << "1x2" << QList<int>{1, 12} << "12";
    QTest::newRow("no fourth character")
        << Winding::Stator << 1 << "1234" << QList<int>{1, 12, 123} << "123";
    QTest::newRow("clamp, then backspace")
        << Winding::Stator << 1 << "999\b" << QList<int>{9, 99, 360, 36} << "36";
    QTest::newRow("stator phase 2")
        << Winding::Stator << 2 << "120" << QList<int>{1, 12, 120} << "120";
    QTest::newRow("stator phase 3")
        << Winding::Stator << 3 << "240" << QList<int>{2, 24, 240} << "240";
    QTest::newRow("rotor phase 1")
        << Winding::Rotor << 1 << "450" << QList<int>{4, 45, 360} << "360";
    QTest::newRow("rotor phase 2")
        << Winding::Rotor << 2 << "120" << QList<int>{1, 12, 120} << "120";
    QTest::newRow("rotor phase 3") << Winding::Rotor << 3 << " 7" << QList<int>{0, 7} << " 7";
}

void AngleFieldTest::typing() {
    QFETCH(Winding, winding);
    QFETCH(int, phase);
    QFETCH(QString, typed);
    QFETCH(QList<int>, angles);
    QFETCH(QString, text);

    OpenPanel open(winding);
    ShowAllFields(open);
    QLineEdit* edit = SelectField(open, phase);
    open.Forget();
    QTest::keyClicks(edit, typed);

    const std::vector<WindingSettings> records = open.Records();
    QCOMPARE(static_cast<int>(records.size()), angles.size());
    for (int i = 0; i < angles.size(); ++i)
        QCOMPARE(records[i], AllPhasesWithAngle(phase, angles[i]));
    QCOMPARE(edit->text(), text);
}

// The panel's own rewrite of the text leaves the caret where the user is typing.
void AngleFieldTest::editingInsideTheText() {
    OpenPanel open(Winding::Stator);
    ShowAllFields(open);
    QLineEdit* edit = SelectField(open, 1);
    QTest::keyClicks(edit, "12");
    QTest::keyClick(edit, Qt::Key_Home);
    open.Forget();
    QTest::keyClicks(edit, "3\b");

    const std::vector<WindingSettings> records = open.Records();
    QCOMPARE(records.size(), std::size_t{2});
    QCOMPARE(records[0], AllPhasesWithAngle(1, 312));
    QCOMPARE(records[1], AllPhasesWithAngle(1, 12));
    QCOMPARE(edit->text(), QStringLiteral("12"));
}

void AngleFieldTest::stepping_data() {
    QTest::addColumn<QString>("start");  // typed over the field's "0" first
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("sent");  // 0: the step changed nothing, so nothing was sent

    QTest::newRow("up arrow from 0") << "0"
                                     << "up"
                                     << "1" << 1;
    QTest::newRow("up key from 0") << "0"
                                   << "Up"
                                   << "1" << 1;
    QTest::newRow("down arrow at 0") << "0"
                                     << "down"
                                     << "0" << 0;
    QTest::newRow("down key at 0") << "0"
                                   << "Down"
                                   << "0" << 0;
    QTest::newRow("up key to 360") << "359"
                                   << "Up"
                                   << "360" << 1;
    QTest::newRow("up arrow at 360") << "360"
                                     << "up"
                                     << "360" << 0;
    QTest::newRow("up key at 360") << "360"
                                   << "Up"
                                   << "360" << 0;
    QTest::newRow("down arrow from 360") << "360"
                                         << "down"
                                         << "359" << 1;
    QTest::newRow("up from an empty field") << "\b"
                                            << "up"
                                            << "1" << 1;
    QTest::newRow("down on an empty field") << "\b"
                                            << "down"
                                            << "" << 0;
    QTest::newRow("up after a leading space") << " 45"
                                              << "Up"
                                              << "46" << 1;
}

void AngleFieldTest::stepping() {
    QFETCH(QString, start);
    QFETCH(QString, action);
    QFETCH(QString, text);
    QFETCH(int, sent);

    for (int phase = 1; phase <= 3; ++phase) {
        OpenPanel open(Winding::Stator);
        ShowAllFields(open);
        QLineEdit* edit = SelectField(open, phase);
        QTest::keyClicks(edit, start);
        open.Forget();

        if (action == QLatin1String("Up") || action == QLatin1String("Down")) {
            QTest::keyClick(edit, action == QLatin1String("Up") ? Qt::Key_Up : Qt::Key_Down);
        } else {
            auto* spin = open.Find<QWidget>(QStringLiteral("phase%1Spin").arg(phase));
            QTest::mouseClick(spin->findChild<QToolButton*>(action), Qt::LeftButton);
        }

        QCOMPARE(edit->text(), text);
        const std::vector<WindingSettings> records = open.Records();
        QCOMPARE(static_cast<int>(records.size()), sent);
        if (sent > 0) QCOMPARE(records.back(), AllPhasesWithAngle(phase, text.toInt()));
    }
}

VIREFLU_PANEL_TEST_MAIN(AngleFieldTest)
#include "angle_field_test.moc"
