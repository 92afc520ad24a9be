#pragma once

#include "app/dialog_util.h"
#include "toolkit/vector_picture.h"
#include "toolkit/widgets.h"

#include <QFrame>
#include <QLabel>

namespace qn::app::detail {

// The white, sunken panel the small windows of the program draw their contents on.
inline QFrame* whitePanel(QWidget* parent, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // White with black text under any theme, like the pages.
    toolkit::applyDesignedLook(panel);
    panel->setGeometry(geometry);
    return panel;
}

inline QLabel* picture(QWidget* parent, const char* name, const QString& resource,
                       const QRect& geometry)
{
    initResources();
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(toolkit::VectorPixmap(resource, geometry.size(), label->devicePixelRatioF()));
    label->setGeometry(geometry);
    return label;
}

// The program's name in bold, as the splash, the about box and the menu page show it.
inline QLabel* productName(QWidget* parent, const char* name, int pointSize)
{
    auto* label = new QLabel(QStringLiteral("Quennary"), parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace qn::app::detail
