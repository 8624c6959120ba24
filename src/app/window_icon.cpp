#include "window_icon.h"

#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>

static void initResources()
{
    // The resources live in a static library; make sure the linker keeps them.
    Q_INIT_RESOURCE(resources);
}

namespace {

// Decodes the icon file the first time a size or a pixmap is asked for.
// Reading an icon file decodes every image in it, the largest a 256-pixel
// PNG, which is a tenth of the start-up; a platform that never shows the
// window icon then never pays for it. The file is the local one when it
// yields an image, else the built-in one, decided at that first use.
class DeferredIconEngine : public QIconEngine
{
public:
    explicit DeferredIconEngine(const QString &localFile)
        : localFile(localFile)
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override
#else
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
#endif
    {
        return icon().availableSizes(mode, state);
    }

    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }

    // Never null: the built-in icon is part of the program. Answered
    // without decoding, since setting the window icon asks at once.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void virtual_hook(int id, void *data) override
    {
        if (id == QIconEngine::IsNullHook)
            *static_cast<bool *>(data) = false;
        else
            QIconEngine::virtual_hook(id, data);
    }
#else
    bool isNull() override { return false; }
#endif

private:
    const QIcon &icon() const
    {
        if (!decoded) {
            decoded = true;
            if (!localFile.isEmpty())
                loaded = QIcon(localFile);
            if (loaded.availableSizes().isEmpty())
                loaded = QIcon(QStringLiteral(":/favicon.ico"));
        }
        return loaded;
    }

    QString localFile; // absolute path, or empty when there was no such file
    mutable bool decoded = false;
    mutable QIcon loaded;
};

} // namespace

QIcon editor_window_icon()
{
    initResources();
    // The file is looked up now, so a later change of folder does not matter.
    const QFileInfo local(QStringLiteral("favicon.ico"));
    return QIcon(new DeferredIconEngine(local.isFile() ? local.absoluteFilePath() : QString()));
}
