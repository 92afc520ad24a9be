#include "toolkit/vector_picture.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

namespace qn::toolkit {

namespace {

QSize fitted(const QSvgRenderer& renderer, const QSize& size)
{
    return renderer.defaultSize().scaled(size, Qt::KeepAspectRatio);
}

// Draws into a pixmap of `pixels` device pixels, the picture centred and fitted.
QPixmap render(QSvgRenderer& renderer, const QSize& pixels)
{
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QSize drawn = fitted(renderer, pixels);
    renderer.render(&painter, QRectF(QPointF((pixels.width() - drawn.width()) / 2.0,
                                             (pixels.height() - drawn.height()) / 2.0),
                                     drawn));
    return pixmap;
}

class VectorIconEngine : public QIconEngine {
public:
    explicit VectorIconEngine(std::shared_ptr<QSvgRenderer> renderer)
        : m_renderer(std::move(renderer))
    {
    }

    QIconEngine* clone() const override { return new VectorIconEngine(m_renderer); }
    bool isNull() override { return !m_renderer->isValid(); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return fitted(*m_renderer, size);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap pixmap = render(*m_renderer, fitted(*m_renderer, size));
        if (mode == QIcon::Normal || mode == QIcon::Active)
            return pixmap;
        // Disabled and selected looks are the style's, as for any other icon.
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap p = pixmap(rect.size() * ratio, mode, state);
        p.setDevicePixelRatio(ratio);
        const QSize logical = p.deviceIndependentSize().toSize();
        painter->drawPixmap(QRect(rect.x() + (rect.width() - logical.width()) / 2,
                                  rect.y() + (rect.height() - logical.height()) / 2,
                                  logical.width(), logical.height()),
                            p);
    }

private:
    std::shared_ptr<QSvgRenderer> m_renderer;
};

} // namespace

QPixmap VectorPixmap(const QString& resource, const QSize& size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid() || size.isEmpty())
        return {};
    QPixmap pixmap = render(renderer, fitted(renderer, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

namespace {

QIcon iconOf(std::shared_ptr<QSvgRenderer> renderer)
{
    if (!renderer->isValid())
        return {};
    return QIcon(new VectorIconEngine(std::move(renderer)));
}

} // namespace

QIcon VectorIcon(const QString& resource)
{
    return iconOf(std::make_shared<QSvgRenderer>(resource));
}

QIcon VectorIconOf(const QByteArray& svg) { return iconOf(std::make_shared<QSvgRenderer>(svg)); }

} // namespace qn::toolkit
