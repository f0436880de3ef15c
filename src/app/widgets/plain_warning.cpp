#include "plain_warning.h"

#include <QMessageBox>

namespace vireflu {

void ShowPlainWarning(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vireflu"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace vireflu
