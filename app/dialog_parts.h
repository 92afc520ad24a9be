#pragma once

#include "app/dialog_util.h"
#include "toolkit/widgets.h"

#include <QFrame>
#include <QLabel>

namespace qn::app::detail {

// The white, sunken panel the small windows of the program draw their contents on.
inline QFrame* whitePanel(QWidget* parent, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // White with black text under any theme, like the pages.
    toolkit::applyDesignedLook(panel);
    panel->setGeometry(geometry);
    return panel;
}

inline QLabel* picture(QWidget* parent, const QString& resource, const QRect& geometry)
{
    initResources();
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap(resource).scaled(geometry.size(), Qt::KeepAspectRatio,
                                              Qt::SmoothTransformation));
    label->setGeometry(geometry);
    return label;
}

} // namespace qn::app::detail
