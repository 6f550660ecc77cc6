#include "platform/DeferredIcon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>

namespace DeferredIcon {

namespace {

class Engine : public QIconEngine
{
public:
    explicit Engine(const QList<File> &files) : m_files(files) {}

    QIconEngine *clone() const override { return new Engine(*this); }

    bool isNull() override { return m_files.isEmpty(); }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

    // The pixmap is in device pixels already: QIcon has scaled the size to the screen.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice *device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    // The files are read here, once.
    const QIcon &icon()
    {
        if (!m_read) {
            m_read = true;
            for (const File &file : m_files)
                m_icon.addFile(file.path, file.size);
        }
        return m_icon;
    }

    QList<File> m_files;
    bool m_read = false;
    QIcon m_icon;
};

} // namespace

QIcon fromFiles(const QList<File> &files)
{
    return QIcon(new Engine(files));
}

} // namespace DeferredIcon
