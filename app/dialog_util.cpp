#include "app/dialog_util.h"

#include <QWidget>
#include <QtGlobal>

static void initQuennaryResources() { Q_INIT_RESOURCE(quennary); }

namespace qn::app {

void centreOn(QWidget* dialog, QWidget* main)
{
    if (!dialog || !main)
        return;
    const QRect m = main->frameGeometry();
    const int left = m.left() + (m.width() - dialog->width()) / 2;
    const int top = m.top() + (m.height() - dialog->height()) / 2;
    dialog->move(left, top);
}

void initResources()
{
    static const bool done = (initQuennaryResources(), true);
    (void)done;
}

} // namespace qn::app
