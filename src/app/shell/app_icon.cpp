#include "app_icon.h"

#include <QDir>

namespace vireflu {

QIcon AppIcon() {
    // One PNG file per size, named vireflu-SIDE.png; each is only read when a pixmap of
    // its size is first asked for.
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& name : icons.entryList(QDir::Files)) {
        const int side = name.section(QLatin1Char('-'), 1).section(QLatin1Char('.'), 0, 0).toInt();
        icon.addFile(icons.filePath(name), QSize(side, side));
    }
    return icon;
}

}  // namespace vireflu
