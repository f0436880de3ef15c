#include "welcome_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/welcome.h"

namespace vireflu {

WelcomePanel::WelcomePanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* line = new QLabel(QCoreApplication::translate("Welcome", kWelcomeLine), this);
    line->setWordWrap(true);
    layout->addWidget(line);
    const auto add = [&](const char* caption, void (WelcomePanel::*chosen)(), const char* name) {
        auto* button = new QPushButton(QCoreApplication::translate("Welcome", caption), this);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, chosen);
        layout->addWidget(button);
    };
    add(kWelcomeLesson, &WelcomePanel::LessonChosen, "welcomeLesson");
    add(kWelcomeOpen, &WelcomePanel::OpenChosen, "welcomeOpen");
    add(kWelcomeExplore, &WelcomePanel::ExploreChosen, "welcomeExplore");
    layout->addStretch(1);
}

}  // namespace vireflu
