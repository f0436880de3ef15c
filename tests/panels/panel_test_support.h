#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <vector>

#include "simulation/simulation_state.h"
#include "winding_panel.h"

namespace vireflu {
// Readable records in QCOMPARE failure messages.
char* toString(const WindingSettings& record);
}  // namespace vireflu

namespace vireflu::panels_test {

// Widget tests run headless on the offscreen platform unless the environment names a
// platform or a display.
void ChooseGuiPlatform();

// A record as the panels send it, fields in record order.
WindingSettings Record(int phase1On, int phase2On, int phase3On, int angle1, int angle2, int angle3,
                       int frequencyHz, int rotationHz, int initialPositionDeg, int waveform);

// Clicks a check box or radio button on its indicator, as a user would.
void ClickIndicator(QAbstractButton& button);

// A panel opened on an owner main window, recording every record it sends.
class OpenPanel {
public:
    explicit OpenPanel(Winding winding);
    OpenPanel(const OpenPanel&) = delete;
    OpenPanel& operator=(const OpenPanel&) = delete;
    ~OpenPanel();

    CWindingPanel& Panel() { return *panel; }
    QMainWindow& Owner() { return owner; }
    Winding GetWinding() const { return winding; }

    // The panel's control with this object name, or null.
    template <typename T>
    T* Find(const QString& name) const {
        return panel->findChild<T*>(name);
    }
    // Clicks the named check box or radio button on its indicator.
    void Click(const QString& name);

    // Every record sent since the last Forget, in order. Fails the test if one came with
    // the other winding's selector.
    std::vector<WindingSettings> Records() const;
    void Forget() { spy->clear(); }

private:
    Winding winding;
    QMainWindow owner;
    CWindingPanel* panel;  // owned by `owner`
    std::unique_ptr<QSignalSpy> spy;
};

// The colour at a logical pixel of a widget, from a fresh grab.
QColor PixelAt(QWidget& widget, QPoint logical);

}  // namespace vireflu::panels_test

// main() of a panel test fixture.
#define VIREFLU_PANEL_TEST_MAIN(Fixture)           \
    int main(int argc, char* argv[]) {             \
        vireflu::panels_test::ChooseGuiPlatform(); \
        QApplication application(argc, argv);      \
        Fixture fixture;                           \
        return QTest::qExec(&fixture, argc, argv); \
    }
