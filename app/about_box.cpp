#include "app/about_box.h"

#include "app/dialog_parts.h"
#include "toolkit/product.h"
#include "toolkit/widgets.h"

#include <QPushButton>

namespace qn::app {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent, toolkit::kTitleBarOnly)
{
    toolkit::nameWindow(this, "TAboutBox", QStringLiteral("About ..."), QSize(363, 264));
    auto* panel = detail::whitePanel(this, QRect(8, 8, 347, 214));
    detail::picture(panel, "ProgramIcon", QStringLiteral(":/quennary/house.svg"),
                    QRect(8, 8, 64, 64));
    detail::productName(panel, "ProductName", 16)->setGeometry(88, 8, 200, 28);
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
    detail::picture(panel, "Image1", QStringLiteral(":/quennary/maker.svg"), QRect(8, 90, 64, 64));
    auto* about =
        addLabel("Comments",
                 QStringLiteral("Tillerode Software is a small company that writes friendly, "
                                "plain-spoken tools for people buying a home. We hope this program "
                                "makes your numbers a little easier."),
                 QRect(88, 90, 250, 80));
    about->setWordWrap(true);
    addLabel("lblVisit", QStringLiteral("Visit Tillerode at:"), QRect(88, 184, 100, 16));
    auto* link = new toolkit::LinkLabel(toolkit::kMakerHomeText, toolkit::kMakerHomePage, panel);
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
    findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(toolkit::kVersionText);
    findChild<QLabel*>(QStringLiteral("lblDate"))->setText(QStringLiteral("July 13, 1999"));
}

void TAboutBox::BtnCloseClick() { accept(); }

} // namespace qn::app
