#include "app/about_box.h"

#include "app/dialog_parts.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace qn::app {

void openWebPage(const QString& url)
{
    // Tests and headless runs must not start a browser.
    if (qEnvironmentVariableIsSet("QUENNARY_NO_BROWSER"))
        return;
    QDesktopServices::openUrl(QUrl(url));
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
        openWebPage(m_url);
    }
}

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About ..."));
    setFixedSize(363, 264);
    auto* panel = detail::whitePanel(this, QRect(8, 8, 347, 214));
    panel->setObjectName(QStringLiteral("Panel1"));
    detail::picture(panel, QStringLiteral(":/quennary/house.svg"), QRect(8, 8, 64, 64))
        ->setObjectName(QStringLiteral("ProgramIcon"));
    auto* name = new QLabel(QStringLiteral("Quennary"), panel);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont f = name->font();
    f.setPointSize(16);
    f.setBold(true);
    name->setFont(f);
    name->setGeometry(88, 8, 200, 28);
    auto addLabel = [panel](const char* obj, const QString& text, QRect r) {
        auto* l = new QLabel(text, panel);
        l->setObjectName(QLatin1String(obj));
        l->setGeometry(r);
        return l;
    };
    addLabel("Version", QStringLiteral("Version:"), QRect(88, 40, 80, 16));
    addLabel("lblVersion", QString(), QRect(176, 40, 120, 16));
    addLabel("Copyright", QStringLiteral("Compile Date:"), QRect(88, 58, 80, 16));
    addLabel("lblDate", QString(), QRect(176, 58, 120, 16));
    detail::picture(panel, QStringLiteral(":/quennary/maker.svg"), QRect(8, 90, 64, 64))
        ->setObjectName(QStringLiteral("Image1"));
    auto* about = addLabel(
        "Comments",
        QStringLiteral("Tillerode Software is a small company that writes friendly, "
                       "plain-spoken tools for people buying a home. We hope this program "
                       "makes your numbers a little easier."),
        QRect(88, 90, 250, 80));
    about->setWordWrap(true);
    addLabel("lblVisit", QStringLiteral("Visit Tillerode at:"), QRect(88, 184, 100, 16));
    auto* link = new LinkLabel(QStringLiteral("tillerode.example"),
                               QStringLiteral("https://tillerode.example/"), panel);
    link->setObjectName(QStringLiteral("lblWebsite"));
    link->setToolTip(QStringLiteral(" Click to visit Tillerode Software's website ..."));
    link->setGeometry(192, 184, 140, 16);
    auto* ok = new QPushButton(QStringLiteral(" &OK"), this);
    ok->setObjectName(QStringLiteral("btnClose"));
    ok->setToolTip(QStringLiteral(" Close About ..."));
    ok->setGeometry(144, 232, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TAboutBox::BtnCloseClick);
    FormCreate();
}

void TAboutBox::FormCreate()
{
    findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(QStringLiteral("1.0.02"));
    findChild<QLabel*>(QStringLiteral("lblDate"))->setText(QStringLiteral("July 13, 1999"));
}

void TAboutBox::BtnCloseClick() { accept(); }

} // namespace qn::app
