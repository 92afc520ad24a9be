#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace qn::toolkit {

// Every message box of the program goes through showMessage, so tests can answer them
// instead of blocking in a modal loop.
struct MessageRequest {
    QWidget* parent = nullptr;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QString title; // empty: the application's name
};

using MessageInterceptor = std::function<QMessageBox::StandardButton(const MessageRequest&)>;

// Installs (or, with an empty function, removes) the interceptor; returns the previous one.
MessageInterceptor setMessageInterceptor(MessageInterceptor interceptor);

// The text a message box shows: the program's messages break lines with "\n\r" where the
// box wraps by itself, and mark a paragraph with two of them.
QString messageBoxText(const QString& text);

QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text,
                                        QMessageBox::Icon icon = QMessageBox::Information,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        const QString& title = {});

} // namespace qn::toolkit
