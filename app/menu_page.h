#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace qn::app {

// The menu page, the notebook's first: the picture (a click shows About), the title, the
// introduction and one button per calculator, in the registry's button order; a calculator
// without a page yet has its button disabled.
class MenuPage : public QWidget {
public:
    explicit MenuPage(QWidget* parent);
    // Its contents come after the window's tool bar, which the keyboard reaches first.
    void fill(std::function<void()> showAbout, std::function<void(const QString& page)> choose);
};

} // namespace qn::app
