#include "toolkit/program_style.h"

#include "toolkit/vector_picture.h"

#include <QApplication>
#include <QProxyStyle>

namespace qn::toolkit {

namespace {

class ProgramStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            return arrow(false);
        if (icon == SP_ToolBarVerticalExtensionButton)
            return arrow(true);
        return QProxyStyle::standardIcon(icon, option, widget);
    }

private:
    static QIcon arrow(bool down)
    {
        if (!down)
            return VectorIconOf("<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'>"
                                "<path d='M3 3l5 5-5 5M8 3l5 5-5 5' fill='none' stroke='#606060' "
                                "stroke-width='2'/></svg>");
        return VectorIconOf("<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'>"
                            "<path d='M3 3l5 5 5-5M3 8l5 5 5-5' fill='none' stroke='#606060' "
                            "stroke-width='2'/></svg>");
    }
};

} // namespace

void UseProgramStyle() { QApplication::setStyle(new ProgramStyle(QApplication::style()->name())); }

} // namespace qn::toolkit
