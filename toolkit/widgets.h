#pragma once

#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>

#include <functional>

namespace qn::toolkit {

// The smallest font size, in points, that text on the pages is drawn in: legible at any
// scale. A figure wider than its room at this size scrolls instead of shrinking further.
inline constexpr double kSmallestPoint = 7;

// The light colours the calculator pages are designed in, whatever the desktop's theme: white
// windows and inputs, black text, light grey buttons. Given to a page (or a white panel), it
// reaches every control on it; the rest of the program follows the theme.
QPalette designedPalette();
void applyDesignedLook(QWidget* widget);

// The frame of the program's small windows: a title bar without buttons.
inline constexpr Qt::WindowFlags kTitleBarOnly =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Names a window of a fixed size and gives it its title.
void nameWindow(QWidget* window, const char* name, const QString& title, QSize size);

// A column layout of the widget's own, without margins; its parts `spacing` apart (-1: the
// style's spacing).
QVBoxLayout* borderlessColumn(QWidget* widget, int spacing = -1);

// A label drawn at 90 degrees, read bottom to top, white on black: the side strip's name.
class AngledLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture that acts on a click.
class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A label that looks and acts like a web link: purple under the mouse, opens url on click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, const QString& url, QWidget* parent = nullptr);
    QString url() const { return m_url; }
    bool hovered() const { return m_hovered; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setHovered(bool on);
    QString m_url;
    bool m_hovered = false;
};

} // namespace qn::toolkit
