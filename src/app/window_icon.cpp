#include "window_icon.h"

#include <QFileInfo>

static void initResources()
{
    // The resources live in a static library; make sure the linker keeps them.
    Q_INIT_RESOURCE(resources);
}

QIcon editor_window_icon()
{
    initResources();
    const QString local = QStringLiteral("favicon.ico");
    if (QFileInfo(local).isFile()) {
        QIcon icon(local);
        if (!icon.availableSizes().isEmpty())
            return icon;
    }
    return QIcon(QStringLiteral(":/favicon.ico"));
}
