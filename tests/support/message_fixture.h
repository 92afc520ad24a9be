#pragma once

#include "toolkit/message_box.h"

#include <QCoreApplication>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <utility>

// Test failures print Qt strings as text rather than as bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// Every message box answered and recorded. Every message must be taken by the test that
// expects it; leftovers fail.
class MessageFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = qn::toolkit::setMessageInterceptor([this](const auto& request) {
            m_messages.append(request.text);
            return QMessageBox::Ok;
        });
    }

    void TearDown() override
    {
        settle();
        qn::toolkit::setMessageInterceptor(m_previous);
        EXPECT_TRUE(m_messages.isEmpty()) << "unexpected: " << m_messages.join(u'|').toStdString();
    }

    // Failure messages are shown on a queued call; let them through.
    static void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    QStringList takeMessages()
    {
        settle();
        return std::exchange(m_messages, {});
    }

    qn::toolkit::MessageInterceptor m_previous;
    QStringList m_messages;
};
