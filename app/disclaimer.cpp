#include "app/disclaimer.h"

#include "app/dialog_parts.h"

#include <QPushButton>

#include <algorithm>

namespace qn::app {

TfrmDisclaim::TfrmDisclaim(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TfrmDisclaim"));
    setWindowTitle(QStringLiteral("Disclaimer"));
    // 224 pixels wide as designed; as tall as the three texts need in the font they are
    // drawn with, so that none is clipped and none runs into the next.
    constexpr int kWidth = 224;
    constexpr int kTextWidth = 196;
    auto* panel = detail::whitePanel(this, QRect(8, 8, kWidth - 16, 0));
    const QString texts[] = {
        QStringLiteral("NOTE:  While effort was made to ensure the accuracy of these "
                       "calculations,"),
        QStringLiteral("there is  NO WARRANTY,  expressed or implied, for the accuracy or "
                       "applicability of this information to your particular financial "
                       "question."),
        QStringLiteral("Please consult your own financial advisor before making any financial "
                       "decision."),
    };
    int top = 6;
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(texts[i], panel);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        const int height = label->heightForWidth(kTextWidth);
        label->setGeometry(6, top, kTextWidth, height);
        top += height + 8;
    }
    panel->resize(panel->width(), top);
    auto* ok = new QPushButton(QStringLiteral(" &OK"), this);
    ok->setObjectName(QStringLiteral("btnClose"));
    const int buttonHeight = std::max(25, ok->sizeHint().height());
    ok->setGeometry((kWidth - 75) / 2, 8 + top + 8, 75, buttonHeight);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrmDisclaim::BtnCloseClick);
    setFixedSize(kWidth, ok->geometry().bottom() + 8);
}

void TfrmDisclaim::BtnCloseClick() { accept(); }

} // namespace qn::app
