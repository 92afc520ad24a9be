#include "app/close_dialog.h"

#include "app/about_box.h"
#include "app/dialog_parts.h"
#include "toolkit/open_address.h"
#include "toolkit/product.h"
#include "toolkit/widgets.h"

#include <QPushButton>

namespace qn::app {

TfrmClose::TfrmClose(QWidget* parent) : QDialog(parent, toolkit::kTitleBarOnly)
{
    toolkit::nameWindow(this, "TfrmClose", QStringLiteral("Thanks from Tillerode Software!"),
                        QSize(373, 209));
    auto* panel = detail::whitePanel(this, QRect(8, 8, 357, 160));
    detail::picture(panel, "Image1", QStringLiteral(":/quennary/house.svg"), QRect(10, 10, 64, 64));
    auto* text = new QLabel(
        QStringLiteral("We appreciate and value the information we receive from people who use "
                       "our products and then take time to share their thoughts about them.  "
                       "We invite you to offer your opinions ... both positive and negative ... "
                       "about this product."),
        panel);
    text->setObjectName(QStringLiteral("Label1"));
    text->setWordWrap(true);
    text->setGeometry(84, 8, 264, 108);
    auto* suggest = new QPushButton(QStringLiteral("Visit Online Suggestion Box"), panel);
    suggest->setObjectName(QStringLiteral("btnSuggestions"));
    suggest->setGeometry(84, 124, 200, 25);
    auto* ret = new QPushButton(QStringLiteral("  Return"), this);
    ret->setObjectName(QStringLiteral("BtnReturn"));
    ret->setGeometry(8, 176, 90, 25);
    auto* quit = new QPushButton(QStringLiteral("  Quit"), this);
    quit->setObjectName(QStringLiteral("BtnExit"));
    quit->setGeometry(275, 176, 90, 25);
    quit->setDefault(true);
    connect(suggest, &QPushButton::clicked, this, &TfrmClose::btnSuggestionsClick);
    connect(ret, &QPushButton::clicked, this, &TfrmClose::BtnReturnClick);
    connect(quit, &QPushButton::clicked, this, &TfrmClose::BtnExitClick);
}

void TfrmClose::BtnExitClick() { accept(); }

void TfrmClose::BtnReturnClick() { reject(); }

void TfrmClose::btnSuggestionsClick() { toolkit::openAddress(toolkit::kMakerSuggestionPage); }

} // namespace qn::app
