#include "update/update_center.h"

#include "toolkit/guarded.h"
#include "toolkit/hints.h"
#include "toolkit/message_box.h"
#include "toolkit/product.h"
#include "toolkit/widgets.h"
#include "update/web_file_info.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace qn::update {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect at)
{
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    l->setGeometry(at);
    return l;
}

void colour(QLabel* l, const QColor& c)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

} // namespace

TfrmUpdate::TfrmUpdate(TWebFileInfo& info, QWidget* parent)
    : QDialog(parent, toolkit::kTitleBarOnly), m_info(info)
{
    toolkit::nameWindow(this, "TfrmUpdate", QStringLiteral("Tillerode Software Update Center"),
                        QSize(411, 223));
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setGeometry(8, 8, 395, 172);
    label(panel, nullptr, QStringLiteral("Application Name:"), QRect(10, 8, 160, 18));
    label(panel, nullptr, QStringLiteral(" Quennary"), QRect(175, 8, 200, 18));
    label(panel, nullptr, QStringLiteral("Developer:"), QRect(10, 28, 160, 18));
    label(panel, nullptr, QStringLiteral(" Tillerode Software"), QRect(175, 28, 200, 18));
    label(panel, nullptr, QStringLiteral("Newest Version on Server:"), QRect(10, 48, 160, 18));
    m_version =
        label(panel, "lblVersion", QStringLiteral("Status Unknown"), QRect(175, 48, 200, 18));
    QLabel* heading =
        label(panel, nullptr, QStringLiteral("Current Application"), QRect(10, 74, 200, 18));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    label(panel, nullptr, QStringLiteral("Your Current Version:"), QRect(10, 94, 160, 18));
    label(panel, "lblCurrentVersion", toolkit::kVersionText, QRect(175, 94, 200, 18));
    label(panel, nullptr, QStringLiteral("Current Compile Date:"), QRect(10, 114, 160, 18));
    label(panel, "lblCurrentCompileDate", QStringLiteral("July 13, 1999"),
          QRect(175, 114, 200, 18));
    m_status = label(panel, "lblUpdateStatus", QStringLiteral("Update Status:  Unknown"),
                     QRect(10, 142, 375, 18));
    m_date = label(panel, "lblDate", QStringLiteral("Compile Date:"), QRect(0, 0, 1, 1));
    m_readMe = label(panel, "lblReadMe", QStringLiteral("Online Information:"), QRect(0, 0, 1, 1));
    m_url = label(panel, "lblURL", QStringLiteral("Download URL:"), QRect(0, 0, 1, 1));
    for (QLabel* hidden : {m_date, m_readMe, m_url})
        hidden->hide();

    auto* close = new QPushButton(QStringLiteral(" &Close Update Center"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setGeometry(228, 188, 175, 27);
    m_retrieve = new QPushButton(QStringLiteral(" &Retrieve Update"), this);
    m_retrieve->setObjectName(QStringLiteral("btnRetrieveUpdate"));
    m_retrieve->setGeometry(8, 188, 150, 27);
    toolkit::setHint(m_retrieve, QStringLiteral(" Retrieve Update ..."));
    m_retrieve->hide();
    auto* check = new QPushButton(QStringLiteral("Check for &Update"), this);
    check->setObjectName(QStringLiteral("btnCheckForUpdate"));
    check->setGeometry(8, 188, 150, 27);
    toolkit::setHint(check, QStringLiteral(" Check for Update ..."));
    check->hide();
    using toolkit::connectGuarded;
    connectGuarded(close, &QPushButton::clicked, this, &TfrmUpdate::CloseUpdateCenter);
    connectGuarded(m_retrieve, &QPushButton::clicked, this, &TfrmUpdate::RetrieveUpdate);
    connectGuarded(check, &QPushButton::clicked, this, &TfrmUpdate::CheckUpdate);
}

void TfrmUpdate::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Only the first activation checks: closing a failure message activates the window
    // again, and a failing check must not repeat itself without end.
    if (!m_checked) {
        m_checked = true;
        QTimer::singleShot(0, this, [this] { toolkit::runGuarded([this] { CheckUpdate(); }); });
    }
}

bool TfrmUpdate::IsUpdateAvailable() const
{
    return IsNewerVersion(toolkit::kVersionText, m_version->text());
}

void TfrmUpdate::CheckUpdate()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_info.parentWindow = this;
    if (!m_info.GetInformation()) {
        QApplication::restoreOverrideCursor();
        if (!m_info.cancelled()) // the user stopped it and knows
            toolkit::showMessage(this, QStringLiteral("Get Info failed due to:\r\n")
                                           + m_info.lastError());
        return;
    }
    m_status->setText(QStringLiteral("Update Information"));
    colour(m_status, Qt::red);
    m_date->setText(m_info.value(QStringLiteral("date")));
    m_version->setText(m_info.value(QStringLiteral("version")));
    m_readMe->setText(m_info.value(QStringLiteral("readme")));
    m_url->setText(m_info.value(QStringLiteral("url")));
    for (QLabel* l : {m_date, m_version, m_readMe, m_url})
        colour(l, Qt::blue);
    if (IsUpdateAvailable())
        m_retrieve->show();
    else
        m_status->setText(QStringLiteral("No Updated Version Available"));
    QApplication::restoreOverrideCursor();
}

void TfrmUpdate::RetrieveUpdate()
{
    if (!m_info.isActive())
        return;
    m_info.parentWindow = this;
    m_info.RetrieveUpdate();
}

void TfrmUpdate::CloseUpdateCenter() { close(); }

void TfrmUpdate::done(int result)
{
    m_info.abort(); // a window that is gone waits for nothing
    QDialog::done(result);
}

} // namespace qn::update
