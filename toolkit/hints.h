#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QTimer;
class QWidget;

namespace qn::toolkit {

// Gives a control its hint: the tool tip shows the whole text, the status line the long part
// (after a "|", or the whole hint) once the mouse has rested on the control.
void setHint(QWidget* widget, const QString& hint);

// The long part of a hint.
QString longHint(const QString& hint);

// Watches every control that has a hint and, 500 ms after the mouse enters one, hands the
// long part to `show`; when the mouse leaves it, an empty text. One instance serves the
// whole application.
class HintDisplay : public QObject {
    Q_OBJECT
public:
    explicit HintDisplay(std::function<void(const QString&)> show, QObject* parent = nullptr);
    ~HintDisplay() override;

    // Shows a hint at once, for controls that change their hint with the mouse position; an
    // empty hint clears the one shown.
    void showNow(const QString& hint);
    // Takes a shown hint away (the page it belonged to has gone).
    void clear();
    int pauseMs() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> m_show;
    QTimer* m_timer = nullptr;
    QString m_pending;
    bool m_showing = false; // a hint, not the window's own text, is in the status line
};

} // namespace qn::toolkit
