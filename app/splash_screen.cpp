#include "app/splash_screen.h"

#include "app/dialog_parts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace qn::app {

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen)
{
    setObjectName(QStringLiteral("TSplashScreen"));
    setFixedSize(344, 126);
    auto* panel = detail::whitePanel(this, QRect(0, 0, 344, 126));
    detail::picture(panel, "Image1", QStringLiteral(":/quennary/house.svg"),
                    QRect(16, 13, 100, 100));
    detail::productName(panel, "lblName", 24)->setGeometry(124, 30, 208, 44);
    auto* bar = new QFrame(panel);
    bar->setObjectName(QStringLiteral("Shape1"));
    bar->setAutoFillBackground(true);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, QColor(0, 255, 0));
    bar->setPalette(pal);
    bar->setGeometry(124, 80, 208, 5);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(5000);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &TSplashScreen::Timer1Timer);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 2);
    }
}

void TSplashScreen::start() { m_timer->start(); }

void TSplashScreen::setInterval(int ms) { m_timer->setInterval(ms); }

void TSplashScreen::showAndPaint()
{
    show();
    repaint();
    QCoreApplication::processEvents();
}

void TSplashScreen::Timer1Timer()
{
    m_timer->stop();
    close();
}

void TSplashScreen::mousePressEvent(QMouseEvent*) { Timer1Timer(); }

} // namespace qn::app
