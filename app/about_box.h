#pragma once

#include <QDialog>
#include <QLabel>

namespace qn::app {

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

// Opens url in the browser; a failure is of no consequence to the user's work.
void openWebPage(const QString& url);

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    void FormCreate();
    void BtnCloseClick();
};

} // namespace qn::app
