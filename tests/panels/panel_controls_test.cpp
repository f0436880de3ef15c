#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "panel_test_support.h"

using vireflu::Winding;
using vireflu::WindingSettings;
using vireflu::panels_test::OpenPanel;
using vireflu::panels_test::Record;

Q_DECLARE_METATYPE(vireflu::WindingSettings)
Q_DECLARE_METATYPE(Winding)

namespace {

void PressOn(QWidget& widget, Qt::Key key) {
    widget.setFocus();
    QTest::keyClick(&widget, key);
}

}  // namespace

// The trackbars and their labels, Enter, hiding and showing again, placement, keyboard
// order, texts and sizes.
class PanelControlsTest : public QObject {
    Q_OBJECT

private slots:
    void trackbars_data();
    void trackbars();
    void hiddenFrequencyFollowsTheOtherTrackbars();
    void enterSendsTheValuesAgain_data();
    void enterSendsTheValuesAgain();
    void hiddenPanelComesBack_data();
    void hiddenPanelComesBack();
    void reopeningAShownPanelChangesNothing();
    void opensAtTheOwnersClientOriginWithFocus();
    void tabOrderIsTheTemplateOrder_data();
    void tabOrderIsTheTemplateOrder();
    void textsAndSizes_data();
    void textsAndSizes();
};

void PanelControlsTest::trackbars_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("labelText");
    QTest::addColumn<WindingSettings>("record");

    const QStringList phase1{"phase1Check"};
    QTest::newRow("stator frequency up")
        << Winding::Stator << phase1 << "frequencySlider" << int(Qt::Key_Right) << 51
        << "frequencyLabel" << QString::fromUtf8("fréquence stator: 51 Hz")
        << Record(1, 0, 0, 0, 0, 0, 51, 0, 0, 0);
    QTest::newRow("stator frequency down")
        << Winding::Stator << phase1 << "frequencySlider" << int(Qt::Key_Left) << 49
        << "frequencyLabel" << QString::fromUtf8("fréquence stator: 49 Hz")
        << Record(1, 0, 0, 0, 0, 0, 49, 0, 0, 0);
    QTest::newRow("stator frequency top")
        << Winding::Stator << phase1 << "frequencySlider" << int(Qt::Key_End) << 100
        << "frequencyLabel" << QString::fromUtf8("fréquence stator: 100 Hz")
        << Record(1, 0, 0, 0, 0, 0, 100, 0, 0, 0);
    QTest::newRow("stator frequency bottom")
        << Winding::Stator << phase1 << "frequencySlider" << int(Qt::Key_Home) << 0
        << "frequencyLabel" << QString::fromUtf8("fréquence stator: 0 Hz")
        << Record(1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    QTest::newRow("stator frequency in rectangulaire")
        << Winding::Stator << QStringList{"phase1Check", "rectangulaire"} << "frequencySlider"
        << int(Qt::Key_Right) << 51 << "frequencyLabel"
        << QString::fromUtf8("fréquence stator: 51 Hz") << Record(1, 1, 1, 0, 0, 0, 51, 0, 0, 2);
    QTest::newRow("rotor frequency")
        << Winding::Rotor << phase1 << "frequencySlider" << int(Qt::Key_Left) << 49
        << "frequencyLabel" << QString::fromUtf8("fréquence rotor: 49 Hz")
        << Record(1, 0, 0, 0, 0, 0, 49, 0, 0, 0);
    QTest::newRow("rotation top") << Winding::Rotor << QStringList{} << "rotationSlider"
                                  << int(Qt::Key_End) << 100 << "rotationLabel"
                                  << QString::fromUtf8("fréquence de rotation: 100 Hz")
                                  << Record(0, 0, 0, 0, 0, 0, 50, 100, 0, -1);
    QTest::newRow("rotation up") << Winding::Rotor << phase1 << "rotationSlider"
                                 << int(Qt::Key_Right) << 1 << "rotationLabel"
                                 << QString::fromUtf8("fréquence de rotation: 1 Hz")
                                 << Record(1, 0, 0, 0, 0, 0, 50, 1, 0, 0);
    QTest::newRow("initial position top")
        << Winding::Rotor << QStringList{} << "initialPositionSlider" << int(Qt::Key_End) << 360
        << "initialPositionLabel" << QString::fromUtf8("position initiale: 360 degré")
        << Record(0, 0, 0, 0, 0, 0, 50, 0, 360, -1);
    QTest::newRow("initial position up, unit singular")
        << Winding::Rotor << QStringList{} << "initialPositionSlider" << int(Qt::Key_Right) << 1
        << "initialPositionLabel" << QString::fromUtf8("position initiale: 1 degré")
        << Record(0, 0, 0, 0, 0, 0, 50, 0, 1, -1);
}

void PanelControlsTest::trackbars() {
    QFETCH(Winding, winding);
    QFETCH(QStringList, clicks);
    QFETCH(QString, slider);
    QFETCH(int, key);
    QFETCH(int, position);
    QFETCH(QString, label);
    QFETCH(QString, labelText);
    QFETCH(WindingSettings, record);

    OpenPanel open(winding);
    for (const QString& name : clicks) open.Click(name);
    open.Forget();
    QSlider* moved = open.Find<QSlider>(slider);
    PressOn(*moved, static_cast<Qt::Key>(key));

    QCOMPARE(moved->value(), position);
    QCOMPARE(open.Find<QLabel>(label)->text(), labelText);
    const std::vector<WindingSettings> records = open.Records();
    QCOMPARE(records.size(), std::size_t{1});
    QCOMPARE(records.front(), record);
}

// The rotor refreshes its frequency from any trackbar, also while that one is hidden.
void PanelControlsTest::hiddenFrequencyFollowsTheOtherTrackbars() {
    {
        OpenPanel fresh(Winding::Rotor);
        PressOn(*fresh.Find<QSlider>("rotationSlider"), Qt::Key_Right);
        QLabel* frequency = fresh.Find<QLabel>("frequencyLabel");
        QCOMPARE(frequency->text(), QString::fromUtf8("fréquence rotor: 50 Hz"));
        QVERIFY(!frequency->isVisibleTo(&fresh.Panel()));
    }
    OpenPanel open(Winding::Rotor);
    open.Click("phase1Check");
    PressOn(*open.Find<QSlider>("frequencySlider"), Qt::Key_Right);
    open.Click("continu");
    QVERIFY(!open.Find<QSlider>("frequencySlider")->isVisibleTo(&open.Panel()));
    QCOMPARE(open.Records().back(), Record(1, 0, 0, 0, 0, 0, 51, 0, 0, 1));
    PressOn(*open.Find<QSlider>("initialPositionSlider"), Qt::Key_Right);
    QCOMPARE(open.Records().back(), Record(1, 0, 0, 0, 0, 0, 51, 0, 1, 1));
    QCOMPARE(open.Find<QLabel>("frequencyLabel")->text(),
             QString::fromUtf8("fréquence rotor: 51 Hz"));
}

void PanelControlsTest::enterSendsTheValuesAgain_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<WindingSettings>("record");

    const WindingSettings fresh = Record(0, 0, 0, 0, 0, 0, 50, 0, 0, -1);
    QTest::newRow("fresh stator") << Winding::Stator << QStringList{} << "phase1Check"
                                  << int(Qt::Key_Return) << fresh;
    QTest::newRow("fresh rotor") << Winding::Rotor << QStringList{} << "phase1Check"
                                 << int(Qt::Key_Return) << fresh;
    QTest::newRow("keypad Enter") << Winding::Rotor << QStringList{} << "rotationSlider"
                                  << int(Qt::Key_Enter) << fresh;
    QTest::newRow("in an angle field")
        << Winding::Stator << QStringList{"phase1Check"} << "phase1Edit" << int(Qt::Key_Return)
        << Record(1, 0, 0, 0, 0, 0, 50, 0, 0, 0);
    QTest::newRow("on a radio button")
        << Winding::Rotor << QStringList{"phase1Check", "continu"} << "continu"
        << int(Qt::Key_Return) << Record(1, 0, 0, 0, 0, 0, 50, 0, 0, 1);
    QTest::newRow("on a trackbar")
        << Winding::Stator << QStringList{"phase1Check", "phase2Check"} << "frequencySlider"
        << int(Qt::Key_Return) << Record(1, 1, 0, 0, 0, 0, 50, 0, 0, 0);
}

void PanelControlsTest::enterSendsTheValuesAgain() {
    QFETCH(Winding, winding);
    QFETCH(QStringList, clicks);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(WindingSettings, record);

    OpenPanel open(winding);
    for (const QString& name : clicks) open.Click(name);
    open.Forget();
    PressOn(*open.Find<QWidget>(focus), static_cast<Qt::Key>(key));

    const std::vector<WindingSettings> records = open.Records();
    QCOMPARE(records.size(), std::size_t{1});
    QCOMPARE(records.front(), record);
    QVERIFY(open.Panel().isVisible());
    QCOMPARE(open.Find<QLineEdit>("phase1Edit")->text(), QStringLiteral("0"));
}

void PanelControlsTest::hiddenPanelComesBack_data() {
    QTest::addColumn<bool>("byEscape");  // else by the window manager's close button
    QTest::newRow("Escape") << true;
    QTest::newRow("close button") << false;
}

void PanelControlsTest::hiddenPanelComesBack() {
    QFETCH(bool, byEscape);
    OpenPanel open(Winding::Stator);
    open.Click("phase1Check");
    open.Click("phase2Check");
    QLineEdit* angle = open.Find<QLineEdit>("phase2Edit");
    angle->selectAll();
    QTest::keyClicks(angle, "30");
    open.Forget();

    if (byEscape)
        PressOn(*angle, Qt::Key_Escape);
    else
        open.Panel().close();
    QVERIFY(open.Panel().isHidden());
    QVERIFY(open.Records().empty());

    open.Panel().Reopen();
    QVERIFY(open.Panel().isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&open.Panel()));
    QVERIFY(open.Find<QCheckBox>("phase2Check")->isChecked());
    QCOMPARE(angle->text(), QStringLiteral("30"));
    QVERIFY(angle->isVisibleTo(&open.Panel()));
    QVERIFY(open.Records().empty());
    PressOn(*angle, Qt::Key_Return);
    QCOMPARE(open.Records().back(), Record(1, 1, 0, 0, 30, 0, 50, 0, 0, 0));
}

void PanelControlsTest::reopeningAShownPanelChangesNothing() {
    OpenPanel open(Winding::Rotor);
    open.Click("phase1Check");
    open.Forget();
    open.Panel().Reopen();
    QVERIFY(open.Panel().isVisible());
    QVERIFY(open.Records().empty());
    QVERIFY(open.Find<QRadioButton>("sinus")->isChecked());
}

void PanelControlsTest::opensAtTheOwnersClientOriginWithFocus() {
    OpenPanel open(Winding::Stator);
    QVERIFY(QTest::qWaitForWindowActive(&open.Panel()));
    const QPoint clientOrigin = open.Owner().centralWidget()->mapToGlobal(QPoint(0, 0));
    QVERIFY(clientOrigin.y() > open.Owner().geometry().y());  // below the menu bar
    QTRY_COMPARE(open.Panel().pos(), clientOrigin);
    QCOMPARE(open.Panel().focusWidget(), open.Find<QWidget>("phase1Check"));
}

void PanelControlsTest::tabOrderIsTheTemplateOrder_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<QStringList>("order");
    // In "sinus" with every phase on, all fields show; Tab enters the waveform group at its
    // checked button only.
    QTest::newRow("stator") << Winding::Stator
                            << QStringList{"frequencySlider", "phase1Edit",  "phase2Edit",
                                           "phase3Edit",      "phase1Check", "phase2Check",
                                           "phase3Check",     "sinus"};
    QTest::newRow("rotor") << Winding::Rotor
                           << QStringList{"frequencySlider",      "phase1Edit",  "phase2Edit",
                                          "phase3Edit",           "phase1Check", "phase2Check",
                                          "phase3Check",          "sinus",       "rotationSlider",
                                          "initialPositionSlider"};
}

void PanelControlsTest::tabOrderIsTheTemplateOrder() {
    QFETCH(Winding, winding);
    QFETCH(QStringList, order);
    OpenPanel open(winding);
    for (const char* name : {"phase1Check", "phase2Check", "phase3Check"}) open.Click(name);
    QVERIFY(QTest::qWaitForWindowActive(&open.Panel()));

    open.Find<QWidget>(order.front())->setFocus();
    QStringList visited{open.Panel().focusWidget()->objectName()};
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(open.Panel().focusWidget(), Qt::Key_Tab);
        visited << open.Panel().focusWidget()->objectName();
    }
    QCOMPARE(visited, order + QStringList{order.front()});  // and round again
}

void PanelControlsTest::textsAndSizes_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");  // 128 x 263 and 128 x 301 dialog units
    QTest::addColumn<QStringList>("waveforms");
    QTest::addColumn<QStringList>("sliders");
    QTest::newRow("stator") << Winding::Stator << "Stator" << QSize(192, 427)
                            << QStringList{"sinus", "continu", "rectangulaire"}
                            << QStringList{"frequencySlider"};
    QTest::newRow("rotor") << Winding::Rotor << "Rotor" << QSize(192, 489)
                           << QStringList{"sinus", "continu"}
                           << QStringList{"frequencySlider", "rotationSlider",
                                          "initialPositionSlider"};
}

// Exact texts, the sizes the templates give, and no text clipped with this system's font,
// the labels at their longest.
void PanelControlsTest::textsAndSizes() {
    QFETCH(Winding, winding);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QStringList, waveforms);
    QFETCH(QStringList, sliders);

    OpenPanel open(winding);
    CWindingPanel& panel = open.Panel();
    QCOMPARE(panel.windowTitle(), caption);
    QCOMPARE(panel.size(), client);
    open.Click("phase1Check");
    for (const QString& name : sliders) PressOn(*open.Find<QSlider>(name), Qt::Key_End);

    for (int phase = 1; phase <= 3; ++phase) {
        QCOMPARE(open.Find<QCheckBox>(QStringLiteral("phase%1Check").arg(phase))->text(),
                 QStringLiteral("phase %1").arg(phase));
        QCOMPARE(open.Find<QWidget>(QStringLiteral("phase%1Frame").arg(phase))->size(),
                 QSize(105, 65));
    }
    QStringList seenWaveforms;
    for (QRadioButton* radio : panel.findChildren<QRadioButton*>()) seenWaveforms << radio->text();
    QCOMPARE(seenWaveforms, waveforms);
    const QList<QGroupBox*> groups = panel.findChildren<QGroupBox*>();
    QCOMPARE(groups.size(), 3);
    for (const QGroupBox* group : groups) QCOMPARE(group->title(), QStringLiteral("phase"));

    for (QWidget* widget : panel.findChildren<QWidget*>()) {
        if (widget->parentWidget() != &panel) continue;
        const QString name = widget->objectName();
        QVERIFY2(panel.rect().contains(widget->geometry()), qPrintable(name));
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

VIREFLU_PANEL_TEST_MAIN(PanelControlsTest)
#include "panel_controls_test.moc"
