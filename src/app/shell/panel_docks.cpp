#include "panel_docks.h"

#include <QScreen>
#include <QSettings>
#include <QWindow>
#include <utility>

namespace vireflu {

namespace {

const QString kDocked = QStringLiteral("layout/panelsBeside");
const QString kGeometry = QStringLiteral("layout/geometry");
const QString kState = QStringLiteral("layout/docks");
// The least screen width on which the docked windows stand in two columns.
constexpr int kRoomyWidth = 1600;

}  // namespace

PanelDocks::PanelDocks(QMainWindow& window) : window(window) {}

void PanelDocks::Adopt(QDialog* panel, const char* name) {
    names[panel] = QString::fromLatin1(name);
    docks[panel] = nullptr;
    if (docked) Dock(panel);
}

void PanelDocks::Dock(QDialog* panel) {
    auto* dock = new QDockWidget(panel->windowTitle(), &window);
    dock->setObjectName(names[panel]);
    dock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    const bool shown = panel->isVisible();
    panel->setWindowFlags(Qt::Widget);
    dock->setWidget(panel);
    panel->show();
    // Escape or the panel's own closing hides its dock, as it hid the window.
    QObject::connect(panel, &QDialog::finished, dock, &QDockWidget::hide);
    window.addDockWidget(BesideTheMachine(window), dock);
    Arrange(dock);
    dock->setVisible(shown);
    docks[panel] = dock;
}

void PanelDocks::Arrange(QDockWidget* dock) {
    // On a wide screen the winding panels share one place, as tabs, and "Mesures", the lesson
    // and the welcome share a column beside them: stacked, they are taller than a laptop's
    // screen. On a narrower screen every docked window is a tab of one place, so that none
    // is squashed to a stub beside the machine.
    const bool roomy = window.screen()->availableGeometry().width() >= kRoomyWidth;
    const auto column = [roomy](const QDockWidget* d) {
        const bool winding = d->objectName() == QLatin1String("statorDock") ||
                             d->objectName() == QLatin1String("rotorDock");
        return roomy && winding ? 0 : 1;
    };
    QDockWidget* twin = nullptr;
    QDockWidget* beside = nullptr;
    for (QDockWidget* other : window.findChildren<QDockWidget*>(Qt::FindDirectChildrenOnly))
        if (other != dock && !other->isFloating() &&
            window.dockWidgetArea(other) == window.dockWidgetArea(dock))
            (column(other) == column(dock) ? twin : beside) = other;
    if (twin != nullptr) {
        window.tabifyDockWidget(twin, dock);
    } else if (beside != nullptr) {
        // The winding panels nearer the machine, the others outside them.
        if (column(dock) == 1)
            window.splitDockWidget(beside, dock, Qt::Horizontal);
        else
            window.splitDockWidget(dock, beside, Qt::Horizontal);
    }
}

void PanelDocks::SetDocked(bool on) {
    if (on == docked) return;
    docked = on;
    for (auto& [panel, dock] : docks) {
        if (on) {
            Dock(panel);
            continue;
        }
        panel->hide();
        panel->setParent(&window, Qt::Dialog);
        delete std::exchange(dock, nullptr);
    }
    if (!on) return;
    // The machine beside its panels takes the whole of the screen left free.
    const QRect available = window.screen()->availableGeometry();
    const QMargins frame =
        window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    window.move(available.topLeft());
    window.resize(available.size().shrunkBy(frame));
}

bool PanelDocks::Show(QDialog* panel) {
    QDockWidget* dock = docks.contains(panel) ? docks[panel] : nullptr;
    if (dock == nullptr) return false;
    panel->show();
    dock->show();
    dock->raise();
    panel->setFocus();
    return true;
}

void PanelDocks::Save() const {
    QSettings settings;
    settings.setValue(kDocked, docked);
    settings.setValue(kGeometry, window.saveGeometry());
    settings.setValue(kState, window.saveState());
}

bool PanelDocks::WasDocked() {
    return QSettings().value(kDocked).toBool();
}

void PanelDocks::Restore() {
    const QSettings settings;
    SetDocked(true);
    window.restoreGeometry(settings.value(kGeometry).toByteArray());
    window.restoreState(settings.value(kState).toByteArray());
}

void PanelDocks::Forget() {
    SetDocked(false);
    QSettings settings;
    for (const QString& key : {kDocked, kGeometry, kState}) settings.remove(key);
}

}  // namespace vireflu
