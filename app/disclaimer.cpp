#include "app/disclaimer.h"

#include "app/dialog_parts.h"

#include <QPushButton>

namespace qn::app {

TfrmDisclaim::TfrmDisclaim(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TfrmDisclaim"));
    setWindowTitle(QStringLiteral("Disclaimer"));
    setFixedSize(224, 176);
    auto* panel = detail::whitePanel(this, QRect(8, 8, 208, 128));
    panel->setObjectName(QStringLiteral("Panel1"));
    const QString texts[] = {
        QStringLiteral("NOTE:  While effort was made to ensure the accuracy of these "
                       "calculations,"),
        QStringLiteral("there is  NO WARRANTY,  expressed or implied, for the accuracy or "
                       "applicability of this information to your particular financial "
                       "question."),
        QStringLiteral("Please consult your own financial advisor before making any financial "
                       "decision."),
    };
    const QRect places[] = {QRect(6, 4, 196, 30), QRect(6, 36, 196, 56), QRect(6, 94, 196, 30)};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(texts[i], panel);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setGeometry(places[i]);
    }
    auto* ok = new QPushButton(QStringLiteral(" &OK"), this);
    ok->setObjectName(QStringLiteral("btnClose"));
    ok->setGeometry(74, 144, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrmDisclaim::BtnCloseClick);
}

void TfrmDisclaim::BtnCloseClick() { accept(); }

} // namespace qn::app
