// The real panels and their digit-only field, driven as a user would: controls reach the
// model, its state reaches the controls, the layout holds its texts; the model is the core's.

#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSlider>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>

#include "gui_test.h"
#include "numeric_edit.h"
#include "rotor_panel.h"
#include "stator_panel.h"

using vireflu::Winding;
using vireflu::WindingSettings;
using Records = QList<WindingSettings>;

namespace {

// A panel opened on an owner main window, recording every record it sends.
class OpenPanel {
public:
    explicit OpenPanel(Winding winding) {
        owner.menuBar()->addMenu("&Vue");  // puts the client area below the window's top
        owner.setCentralWidget(new QWidget);
        owner.setGeometry(40, 30, 640, 600);
        owner.show();
        panel = winding == Winding::Stator ? static_cast<CWindingPanel*>(new CStatorPanel(&owner))
                                           : new CRotorPanel(&owner);
        QObject::connect(panel, &CWindingPanel::SettingsSent,
                         [this, winding](int s, const WindingSettings& r) {
                             sent << (s == static_cast<int>(winding) ? r : WindingSettings{-1});
                         });
        panel->SetPhaseFlags({0, 0, 0});
        panel->Open();
        if (!QTest::qWaitForWindowActive(panel)) qWarning("the panel was never activated");
    }

    template <typename T = QWidget>
    T* Find(const QString& name) const {
        return panel->findChild<T*>(name);
    }
    // Clicks each named check box or radio button on its indicator, as a user would.
    void Click(const QStringList& names) {
        for (const QString& name : names) {
            auto* button = Find<QAbstractButton>(name);
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        }
    }
    void Press(const QString& name, Qt::Key key) {
        Find(name)->setFocus();
        QTest::keyClick(Find(name), key);
    }

    QMainWindow owner;
    CWindingPanel* panel;  // owned by `owner`
    Records sent;
};

const QStringList kAllPhases{"phase1Check", "phase2Check", "phase3Check"};

}  // namespace

class PanelsTest : public QObject {
    Q_OBJECT

private slots:
    void clicks();
    void angleField();
    void enterEscapeAndReopen();
    void layout();
    void numericEdit();

private:
    void CheckLayout(Winding winding);
};

// Clicks reach the model, and its state reaches the controls: after phases 1 and 2 of the
// rotor, which controls are checked and hidden (none is disabled), and what was sent.
void PanelsTest::clicks() {
    OpenPanel open(Winding::Rotor);
    open.Click({"phase1Check", "phase2Check"});
    const QStringList checked{"phase1Check", "phase2Check", "sinus"},
        hidden{"phase3Edit", "phase3Spin", "phase3Frame"};
    for (QWidget* widget : open.panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.contains("Label")) continue;
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        QVERIFY2((button && button->isChecked()) == checked.contains(name), qPrintable(name));
        QVERIFY2(widget->isEnabled(), qPrintable(name));
        QVERIFY2(widget->isVisibleTo(open.panel) != hidden.contains(name), qPrintable(name));
    }
    QCOMPARE(open.sent,
             (Records{vireflu::test::PhaseOneRecord(), {1, 1, 0, 0, 0, 0, 50, 0, 0, 0}}));
}

// Clicked after its "0" and typed over in "sinus" with every phase on (the click selects the
// text), then an arrow key or a button of the up/down control: one record per change of the
// text, a hint when a typed value is held at 360; a step past either end sends nothing.
void PanelsTest::angleField() {
    struct Row {
        int phase;
        QString typed, action;
        QList<int> angles;
        QString text;
    };
    const Row rows[] = {
        {1, "450", "", {4, 45, 360}, "360"},          {3, "240", "", {2, 24, 240}, "240"},
        {2, "1x2345", "", {1, 12, 123}, "123"},       {3, "9", "up", {9, 10}, "10"},
        {1, "360", "Down", {3, 36, 360, 359}, "359"}, {2, "360", "Up", {3, 36, 360}, "360"}};
    for (const Row& row : rows) {
        OpenPanel open(Winding::Stator);
        open.Click(kAllPhases);
        open.sent.clear();
        auto* edit = open.Find<QLineEdit>(QString("phase%1Edit").arg(row.phase));
        QToolTip::hideText();
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 3, edit->height() / 2));
        QTest::keyClicks(edit, row.typed);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : "",
                 row.typed == "450" ? "Angle limité à 360°" : "");
        if (row.action == "Up" || row.action == "Down")
            QTest::keyClick(edit, row.action == "Up" ? Qt::Key_Up : Qt::Key_Down);
        else if (!row.action.isEmpty())
            QTest::mouseClick(open.Find(QString("phase%1Spin").arg(row.phase))
                                  ->findChild<QToolButton*>(row.action),
                              Qt::LeftButton);
        Records expected;
        for (int a : row.angles)
            expected << WindingSettings{
                1, 1, 1, row.phase == 1 ? a : 0, row.phase == 2 ? a : 0, row.phase == 3 ? a : 0, 50,
                0, 0, 0};
        QCOMPARE(open.sent, expected);
        QCOMPARE(edit->text(), row.text);
    }
}

// Enter sends the values once more and leaves the panel open; Escape hides it, and it
// comes back as it was left, at its designed size.
void PanelsTest::enterEscapeAndReopen() {
    OpenPanel open(Winding::Stator);
    open.Click({"phase1Check", "continu"});
    open.sent.clear();
    open.Press("continu", Qt::Key_Return);
    open.Press("frequencySlider", Qt::Key_Enter);
    const WindingSettings continu{1, 0, 0, 0, 0, 0, 50, 0, 0, 1};
    QCOMPARE(open.sent, (Records{continu, continu}));
    // Resized from outside, as a tool may where no window manager keeps the fixed size.
    const QSize designed = open.panel->size();
    open.panel->windowHandle()->setMinimumSize(QSize(1, 1));
    open.panel->windowHandle()->resize(1, 1);
    QTRY_COMPARE(open.panel->size(), QSize(1, 1));
    open.Press("continu", Qt::Key_Escape);
    QVERIFY(open.panel->isHidden());
    open.panel->Reopen();
    QVERIFY(QTest::qWaitForWindowActive(open.panel));
    QTRY_COMPARE(open.panel->size(), designed);
    QVERIFY(open.Find<QAbstractButton>("continu")->isChecked());
    QCOMPARE(open.sent.size(), 2);
}

// At the owner's client origin with the focus on "phase 1", but never off the screen; with every
// phase on, no text is clipped, the labels at their longest, nor in projector mode, where the
// panel and its font are one and a half times larger.
void PanelsTest::layout() {
    for (const Winding winding : {Winding::Stator, Winding::Rotor}) CheckLayout(winding);
}

void PanelsTest::CheckLayout(Winding winding) {
    const bool stator = winding == Winding::Stator;
    OpenPanel open(winding);
    CWindingPanel& panel = *open.panel;
    QCOMPARE(panel.windowTitle(), stator ? "Stator" : "Rotor");
    QCOMPARE(panel.size(), stator ? QSize(192, 427) : QSize(192, 489));
    QTRY_COMPARE(panel.pos(), open.owner.centralWidget()->mapToGlobal(QPoint(0, 0)));
    QCOMPARE(panel.focusWidget(), open.Find("phase1Check"));
    const QRect screen = open.owner.screen()->availableGeometry();
    open.owner.move(40, screen.bottom() - 100);
    panel.Open();  // below a main window placed low, it stays on the screen
    QTRY_VERIFY(screen.contains(panel.frameGeometry()));
    open.Click(kAllPhases);
    for (QSlider* slider : panel.findChildren<QSlider*>()) slider->setValue(slider->maximum());
    QCOMPARE(open.Find("phase1Frame")->size(), QSize(105, 65));
    // A projector's text: 24 pixels at 1080 lines, in proportion on this screen.
    const int lines = panel.screen()->geometry().height();
    for (const bool projector : {false, true}) {
        panel.SetProjector(projector);
        for (QWidget* widget : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString text =
                widget->property("text").toString() + widget->property("title").toString();
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            const int needed =
                button ? button->sizeHint().width() : widget->fontMetrics().horizontalAdvance(text);
            QVERIFY2(panel.rect().contains(widget->geometry()), qPrintable(widget->objectName()));
            QVERIFY2(needed <= widget->width(), qPrintable(text));
            QVERIFY(widget->font().pixelSize() >= (projector ? 24.0 * lines / 1080 : 11));
        }
    }
}

// Typed characters other than digits and spaces are dropped one by one, the Ctrl shortcuts
// other than paste and select-all and control codes with them; text pasted (Ctrl+V, the context
// menu) or dropped is refused whole unless it is all digits and spaces.
void PanelsTest::numericEdit() {
    CNumericEdit edit;
    QApplication::clipboard()->setText("12");
    QTest::keyClicks(&edit, "4a- 5");
    QCOMPARE(edit.text(), "4 5");
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);  // selects all
    QKeyEvent control(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QString(QChar(2)));
    QApplication::sendEvent(&edit, &control);
    QTest::keyClicks(&edit, "9");
    QCOMPARE(edit.text(), "9");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), "912");
    for (const char* refused : {"1x", "-3"}) {
        QApplication::clipboard()->setText(refused);
        edit.paste();
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QMimeData mime;
        mime.setText(refused);
        QDropEvent drop(QPointF(2, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&edit, &drop);
    }
    QCOMPARE(edit.text(), "912");
}

int vireflu::test::RunPanelsTests(int argc, char* argv[]) {
    PanelsTest fixture;
    return QTest::qExec(&fixture, argc, argv);
}

#include "panels_test.moc"
