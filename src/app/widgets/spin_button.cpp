#include "spin_button.h"

#include <QKeyEvent>
#include <QToolButton>

namespace {

QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // Like the field's own arrow keys, the control never takes the keyboard focus.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

CSpinButton::CSpinButton(QWidget* parent)
    : QWidget(parent),
      up(ArrowButton(this, Qt::UpArrow, "up")),
      down(ArrowButton(this, Qt::DownArrow, "down")) {
    connect(up, &QToolButton::clicked, this, [this] { emit Stepped(1); });
    connect(down, &QToolButton::clicked, this, [this] { emit Stepped(-1); });
}

void CSpinButton::SetAccessibleNames(const QString& upName, const QString& downName) {
    up->setAccessibleName(upName);
    down->setAccessibleName(downName);
}

void CSpinButton::SetBuddy(QWidget* buddy) {
    buddy->installEventFilter(this);
}

bool CSpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            emit Stepped(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CSpinButton::resizeEvent(QResizeEvent* /*event*/) {
    const int half = height() / 2;
    up->setGeometry(0, 0, width(), half);
    down->setGeometry(0, half, width(), height() - half);
}
