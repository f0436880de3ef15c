#include "about_box.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app_icon.h"
#include "shell/main_menu.h"

namespace vireflu {

namespace {

// The icon is 20 x 20 dialog units.
constexpr QSize kIconSize(30, 32);

QLabel* TextLine(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("AboutBox", kAboutTitle));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(kIconSize));
    auto* ok = new QPushButton(QCoreApplication::translate("AboutBox", "OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // Icon on the left, the three lines beside it and "OK" at the top right, as in the
    // dialog's template.
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(14);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    int row = 0;
    for (const char* line : AboutLines())
        layout->addWidget(TextLine(QCoreApplication::translate("AboutBox", line), this), row++, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vireflu
