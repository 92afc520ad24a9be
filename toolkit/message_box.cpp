#include "toolkit/message_box.h"

#include "toolkit/seam.h"

#include <QGuiApplication>
#include <QStringList>

namespace qn::toolkit {

MessageInterceptor setMessageInterceptor(MessageInterceptor interceptor)
{
    return replaceSeam(std::move(interceptor));
}

QString messageBoxText(const QString& text)
{
    QStringList paragraphs = text.split(QStringLiteral("\n\r\n\r"));
    for (QString& paragraph : paragraphs)
        paragraph.replace(QStringLiteral("\n\r"), QStringLiteral(" "));
    return paragraphs.join(QStringLiteral("\n\n"));
}

QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons, const QString& title)
{
    const MessageRequest request{parent, text, icon, buttons, title};
    if (auto& interceptor = seam<MessageInterceptor>())
        return interceptor(request);
    QMessageBox box(icon, title.isEmpty() ? QGuiApplication::applicationDisplayName() : title,
                    messageBoxText(text), buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace qn::toolkit
