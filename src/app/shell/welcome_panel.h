#pragma once

#include <QWidget>

namespace vireflu {

// The welcome of a first start: a line and three buttons, "Commencer par une leçon",
// "Ouvrir un montage" and "Explorer". It only says which was chosen.
class WelcomePanel : public QWidget {
    Q_OBJECT

public:
    explicit WelcomePanel(QWidget* parent = nullptr);

signals:
    void LessonChosen();
    void OpenChosen();
    void ExploreChosen();
};

}  // namespace vireflu
