#include "panel_test_support.h"

#include <QMenuBar>

#include "rotor_panel.h"
#include "stator_panel.h"

namespace vireflu {

char* toString(const WindingSettings& r) {
    return QTest::toString(QStringLiteral("{on %1 %2 %3, angles %4 %5 %6, frequency %7, "
                                          "rotation %8, position %9, waveform %10}")
                               .arg(r.phase1On)
                               .arg(r.phase2On)
                               .arg(r.phase3On)
                               .arg(r.phase1AngleDeg)
                               .arg(r.phase2AngleDeg)
                               .arg(r.phase3AngleDeg)
                               .arg(r.frequencyHz)
                               .arg(r.rotationHz)
                               .arg(r.initialPositionDeg)
                               .arg(r.waveform));
}

}  // namespace vireflu

namespace vireflu::panels_test {

void ChooseGuiPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

WindingSettings Record(int phase1On, int phase2On, int phase3On, int angle1, int angle2, int angle3,
                       int frequencyHz, int rotationHz, int initialPositionDeg, int waveform) {
    return WindingSettings{phase1On,    phase2On,   phase3On,           angle1,  angle2, angle3,
                           frequencyHz, rotationHz, initialPositionDeg, waveform};
}

void ClickIndicator(QAbstractButton& button) {
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button.height() / 2));
}

OpenPanel::OpenPanel(Winding w) : winding(w) {
    // A menu bar puts the client area below the window's top, as in the real main window.
    owner.menuBar()->addMenu(QStringLiteral("&Vue"));
    owner.setCentralWidget(new QWidget);
    owner.setGeometry(40, 30, 640, 600);
    owner.show();
    if (winding == Winding::Stator)
        panel = new CStatorPanel(&owner);
    else
        panel = new CRotorPanel(&owner);
    spy = std::make_unique<QSignalSpy>(panel, &CWindingPanel::SettingsSent);
    panel->SetPhaseFlags({0, 0, 0});
    panel->Open();
    if (!QTest::qWaitForWindowExposed(panel)) qWarning("the panel was never exposed");
}

OpenPanel::~OpenPanel() {
    spy.reset();
}

void OpenPanel::Click(const QString& name) {
    QAbstractButton* button = Find<QAbstractButton>(name);
    if (!button) QFAIL(qPrintable(QStringLiteral("no control named %1").arg(name)));
    ClickIndicator(*button);
}

std::vector<WindingSettings> OpenPanel::Records() const {
    std::vector<WindingSettings> records;
    for (const QList<QVariant>& arguments : *spy) {
        if (arguments.at(0).toInt() != static_cast<int>(winding))
            QTest::qFail("a record came with the other winding's selector", __FILE__, __LINE__);
        records.push_back(arguments.at(1).value<WindingSettings>());
    }
    return records;
}

QColor PixelAt(QWidget& widget, QPoint logical) {
    const QImage image = widget.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(logical.x() * ratio),
                            static_cast<int>(logical.y() * ratio));
}

}  // namespace vireflu::panels_test
