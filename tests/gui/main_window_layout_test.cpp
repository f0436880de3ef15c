// The main window's texts, menus, placement and layout as the user first sees them.

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

#include "gui_test_support.h"
#include "machine_view.h"
#include "main_window.h"
#include "window_placement.h"

using namespace vireflu;

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void titleAndCaptions();
    void menuTitlesInOrder();
    void menuItemsInOrder_data();
    void menuItemsInOrder();
    void noItemIsCheckedGreyedOrHasAShortcut();
    void initialFrameRect_data();
    void initialFrameRect();
    void opensWhereThePlacementRuleSays();
    void viewFillsTheClientAreaAboveTheBar();
    void survivesShrinkingAndMinimising();
    void quitClosesTheWindow();
};

void MainWindowLayoutTest::titleAndCaptions() {
    SimulationState state;
    CMainWindow window(state);
    QCOMPARE(window.windowTitle(), QStringLiteral("Vireflu"));
    QVERIFY(test::Button(window, QStringLiteral("&Initialisation")));
    QVERIFY(test::Button(window, QStringLiteral("&Animation")));
    QVERIFY(!window.windowIcon().isNull());
}

void MainWindowLayoutTest::menuTitlesInOrder() {
    SimulationState state;
    CMainWindow window(state);
    QStringList titles;
    for (QAction* title : window.menuBar()->actions()) titles << title->text();
    QCOMPARE(titles, (QStringList{QStringLiteral("&Général"), QStringLiteral("&Représentation"),
                                  QStringLiteral("&Vue"), QStringLiteral("&Couleur"),
                                  QStringLiteral("&?")}));
}

void MainWindowLayoutTest::menuItemsInOrder_data() {
    QTest::addColumn<QString>("menu");
    // A separator is listed as "-".
    QTest::addColumn<QStringList>("items");
    QTest::newRow("general") << QStringLiteral("&Général")
                             << QStringList{"-", QStringLiteral("&Quitter")};
    QTest::newRow("presentation") << QStringLiteral("&Représentation")
                                  << QStringList{QStringLiteral("Entrefer:couleur"),
                                                 QStringLiteral("Vecteur"), QStringLiteral("Trace"),
                                                 QStringLiteral("Forces magnéto-motrices"),
                                                 QStringLiteral("Couple")};
    QTest::newRow("view") << QStringLiteral("&Vue")
                          << QStringList{QStringLiteral("&Stator"), QStringLiteral("&Rotor")};
    QTest::newRow("colour") << QStringLiteral("&Couleur")
                            << QStringList{QStringLiteral("Bleu Noir Rouge"),
                                           QStringLiteral("Vert NoirRouge"), QStringLiteral("CAO")};
    QTest::newRow("help") << QStringLiteral("&?")
                          << QStringList{QStringLiteral("&A propos de Vireflu...")};
}

void MainWindowLayoutTest::menuItemsInOrder() {
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    SimulationState state;
    CMainWindow window(state);
    QStringList found;
    for (QAction* title : window.menuBar()->actions()) {
        if (title->text() != menu) continue;
        for (QAction* item : title->menu()->actions())
            found << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    QCOMPARE(found, items);
}

void MainWindowLayoutTest::noItemIsCheckedGreyedOrHasAShortcut() {
    SimulationState state;
    CMainWindow window(state);
    int items = 0;
    for (QAction* title : window.menuBar()->actions()) {
        QVERIFY(title->shortcut().isEmpty());
        for (QAction* item : title->menu()->actions()) {
            if (item->isSeparator()) continue;
            ++items;
            QVERIFY2(!item->isCheckable(), qPrintable(item->text()));
            QVERIFY2(item->isEnabled(), qPrintable(item->text()));
            QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->text()));
        }
    }
    QCOMPARE(items, 12);
    // No keyboard accelerator anywhere in the window either.
    QCOMPARE(window.findChildren<QShortcut*>().size(), 0);
}

void MainWindowLayoutTest::initialFrameRect_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("1024 wide") << QRect(0, 0, 1024, 768) << QRect(0, 0, 1024, 728)
                               << QRect(0, 0, 512, 512);
    QTest::newRow("1366 wide") << QRect(0, 0, 1366, 768) << QRect(0, 0, 1366, 728)
                               << QRect(0, 0, 683, 683);
    QTest::newRow("odd width truncates")
        << QRect(0, 0, 1281, 1024) << QRect(0, 0, 1281, 1024) << QRect(0, 0, 640, 640);
    QTest::newRow("wide screen, largest square that fits")
        << QRect(0, 0, 3840, 1080) << QRect(0, 0, 3840, 1040) << QRect(0, 0, 1040, 1040);
    QTest::newRow("half width exactly fits")
        << QRect(0, 0, 2000, 1000) << QRect(0, 0, 2000, 1000) << QRect(0, 0, 1000, 1000);
    QTest::newRow("desktop panel at the top")
        << QRect(0, 0, 1920, 1080) << QRect(0, 32, 1920, 1048) << QRect(0, 32, 960, 960);
}

void MainWindowLayoutTest::initialFrameRect() {
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(QRect, expected);
    QCOMPARE(InitialFrameRect(screen, available), expected);
}

void MainWindowLayoutTest::opensWhereThePlacementRuleSays() {
    SimulationState state;
    CMainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QScreen* screen = window.screen();
    const QRect expected = InitialFrameRect(screen->geometry(), screen->availableGeometry());
    QCOMPARE(window.frameGeometry().size(), expected.size());
    QCOMPARE(window.frameGeometry().topLeft(), expected.topLeft());
}

void MainWindowLayoutTest::viewFillsTheClientAreaAboveTheBar() {
    SimulationState state;
    CMainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* view = window.findChild<CMachineView*>();
    QVERIFY(view);
    QPushButton* reset = test::Button(window, QStringLiteral("&Initialisation"));
    QWidget* client = window.centralWidget();

    const QRect viewRect(view->mapTo(&window, QPoint(0, 0)), view->size());
    const QRect clientRect(client->mapTo(&window, QPoint(0, 0)), client->size());
    QCOMPARE(viewRect.topLeft(), clientRect.topLeft());
    QCOMPARE(viewRect.width(), clientRect.width());
    QVERIFY(viewRect.top() >= window.menuBar()->geometry().bottom());
    // The bar holds the buttons between the view and the bottom edge.
    const QPoint button = reset->mapTo(&window, QPoint(0, 0));
    QVERIFY(button.y() > viewRect.bottom());
    QVERIFY(button.y() + reset->height() <= window.height());
    QVERIFY(window.height() - viewRect.bottom() < 80);
}

void MainWindowLayoutTest::survivesShrinkingAndMinimising() {
    SimulationState state;
    CMainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ApplyWindingSettings(0, test::PhaseOneRecord());
    // "Couple" computes vectors and the torque, whose unit is the ring's radius.
    test::MenuAction(window, QStringLiteral("&Représentation"), QStringLiteral("Couple"))
        ->trigger();
    auto* view = window.findChild<CMachineView*>();
    for (QSize size : {QSize(1, 1), QSize(150, 90)}) {
        window.resize(size);
        QCoreApplication::processEvents();
        window.OnClockTick();
        window.ResetClock();
    }
    window.showMinimized();
    QCoreApplication::processEvents();
    window.OnClockTick();

    // Back to a usable size, the machine fills the view again, round and centred; at
    // angle 0 phase 1 carries no current, so the ring is neutral all round.
    window.showNormal();
    window.resize(400, 400);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::MenuAction(window, QStringLiteral("&Représentation"), QStringLiteral("Entrefer:couleur"))
        ->trigger();
    window.ResetClock();
    QTRY_VERIFY(view->height() > 200);
    const int middle = static_cast<int>(std::min(view->width(), view->height()) * 0.375);
    const QPoint centre(view->width() / 2, view->height() / 2);
    const QPoint directions[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (QPoint d : directions)
        QCOMPARE(test::ScreenPixel(*view, centre + d * middle), QColor(0, 0, 31));
}

void MainWindowLayoutTest::quitClosesTheWindow() {
    QApplication::setQuitOnLastWindowClosed(false);
    SimulationState state;
    CMainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction* quit =
        test::MenuAction(window, QStringLiteral("&Général"), QStringLiteral("&Quitter"));
    QVERIFY(quit);
    quit->trigger();
    QVERIFY(!window.isVisible());
}

VIREFLU_GUI_TEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
