#pragma once

#include <QDialog>

namespace vireflu {

// The modal "A propos de Vireflu" box: the icon, the version and two credit lines.
class CAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit CAboutBox(QWidget* parent = nullptr);
};

}  // namespace vireflu
