#pragma once

#include <QWidget>

class QTimer;

namespace qn::app {

// Shown while the program loads; goes away on its timer or on a click.
class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget* parent = nullptr);

    void start();
    void showAndPaint();
    void setInterval(int ms);
    QTimer* timer() const { return m_timer; }

    void Timer1Timer();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QTimer* m_timer = nullptr;
};

} // namespace qn::app
