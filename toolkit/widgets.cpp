#include "toolkit/widgets.h"

#include "toolkit/open_address.h"

#include <QMouseEvent>
#include <QPainter>

namespace qn::toolkit {

void nameWindow(QWidget* window, const char* name, const QString& title, QSize size)
{
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(title);
    window->setFixedSize(size);
}

QVBoxLayout* borderlessColumn(QWidget* widget, int spacing)
{
    auto* column = new QVBoxLayout(widget);
    column->setContentsMargins(0, 0, 0, 0);
    if (spacing >= 0)
        column->setSpacing(spacing);
    return column;
}

QPalette designedPalette()
{
    QPalette pal(QColor(240, 240, 240), Qt::white); // button, window
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        const QColor text = off ? QColor(120, 120, 120) : QColor(Qt::black);
        pal.setColor(group, QPalette::Window, Qt::white);
        pal.setColor(group, QPalette::WindowText, text);
        pal.setColor(group, QPalette::Base, Qt::white);
        pal.setColor(group, QPalette::AlternateBase, QColor(245, 245, 245));
        pal.setColor(group, QPalette::Text, text);
        pal.setColor(group, QPalette::Button, QColor(240, 240, 240));
        pal.setColor(group, QPalette::ButtonText, text);
        pal.setColor(group, QPalette::BrightText, Qt::white);
        pal.setColor(group, QPalette::PlaceholderText, QColor(120, 120, 120));
        pal.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        pal.setColor(group, QPalette::HighlightedText, Qt::white);
        pal.setColor(group, QPalette::Link, QColor(0, 0, 255));
        pal.setColor(group, QPalette::LinkVisited, QColor(128, 0, 128));
    }
    return pal;
}

void applyDesignedLook(QWidget* widget)
{
    widget->setPalette(designedPalette());
    widget->setAutoFillBackground(true);
    // A control under a style sheet takes the application's palette, not its parent's: it
    // is given the palette itself.
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        if (child->testAttribute(Qt::WA_StyleSheet))
            child->setPalette(designedPalette());
    }
}

void AngledLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(Qt::white);
    painter.setFont(font());
    painter.translate(0, height());
    painter.rotate(-90);
    painter.drawText(QRect(8, 0, height() - 8, width()), Qt::AlignLeft | Qt::AlignVCenter, text());
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

LinkLabel::LinkLabel(const QString& text, const QString& url, QWidget* parent)
    : QLabel(text, parent), m_url(url)
{
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setHovered(false);
}

void LinkLabel::setHovered(bool on)
{
    m_hovered = on;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, on ? QColor(128, 0, 128) : QColor(0, 0, 255));
    setPalette(pal);
}

void LinkLabel::enterEvent(QEnterEvent*) { setHovered(true); }

void LinkLabel::leaveEvent(QEvent*) { setHovered(false); }

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        openAddress(m_url);
    }
}

} // namespace qn::toolkit
