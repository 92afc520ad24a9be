#include "app/menu_page.h"

#include "app/dialog_parts.h"
#include "pages/registry.h"
#include "toolkit/guarded.h"
#include "toolkit/hints.h"
#include "toolkit/widgets.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <utility>

namespace qn::app {

MenuPage::MenuPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(pages::kMenuPageName);
    toolkit::borderlessColumn(this);
}

void MenuPage::fill(std::function<void()> showAbout,
                    std::function<void(const QString& page)> choose)
{
    auto* grid = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* pic = new toolkit::ClickablePicture(this);
    pic->setObjectName(QStringLiteral("imgMenu"));
    pic->setAccessibleName(QStringLiteral("About Quennary"));
    pic->setFixedSize(160, 120);
    const QString picture = QStringLiteral(":/quennary/house.svg");
    if (const QPixmap drawn = toolkit::VectorPixmap(picture, pic->size(), pic->devicePixelRatioF());
        !drawn.isNull()) {
        pic->setPixmap(drawn);
    } else {
        QPixmap placeholder(pic->size());
        placeholder.fill(QColor(0, 64, 128));
        QPainter painter(&placeholder);
        painter.setPen(Qt::white);
        painter.drawText(placeholder.rect(), Qt::AlignCenter, QStringLiteral("Quennary"));
        pic->setPixmap(placeholder);
    }
    toolkit::connectGuarded(pic, &toolkit::ClickablePicture::clicked, this, std::move(showAbout));
    left->addWidget(pic);
    left->addWidget(detail::productName(this, "lblTitle", 18));
    auto* text = new QTextEdit(this);
    text->setObjectName(QStringLiteral("memMenu"));
    text->setAccessibleName(QStringLiteral("Introduction"));
    text->setReadOnly(true);
    text->setFrameShape(QFrame::NoFrame);
    text->setPlainText(QStringLiteral(
        "This suite of real estate calculators is designed \nto help you better estimate the "
        "effects of the \nfinancial subtleties involved in a real estate \ntransaction.\n\n"
        "Please consult your own qualified financial \nadvisor before making financial "
        "decisions."));
    left->addWidget(text, 1);
    grid->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    for (const pages::PageInfo* info : pages::pagesInButtonOrder()) {
        auto* b = new QPushButton(info->buttonCaption, this);
        b->setObjectName(info->buttonName);
        b->setStyleSheet(QStringLiteral("text-align: left"));
        toolkit::setHint(b, info->buttonHint);
        const QString target = info->name;
        b->setEnabled(info->factory != nullptr);
        toolkit::connectGuarded(b, &QPushButton::clicked, this,
                                [choose, target] { choose(target); });
        right->addWidget(b);
    }
    right->addStretch(1);
    grid->addLayout(right, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
    // White like the calculator pages; the frame around them follows the desktop theme.
    toolkit::applyDesignedLook(this);
}

} // namespace qn::app
