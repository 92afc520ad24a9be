#include "pages/failure_handler.h"

#include "core/errors.h"
#include "pages/calculator_page.h"
#include "pages/num_edit.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"

#include <QTimer>

namespace qn::pages {

FailureMessage describeFailure(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const qn::EMathError&) {
        return {kMathMessage, true};
    } catch (const qn::EInputError& error) {
        // A figure the page refuses: the message names the field to mend.
        return {QString::fromStdString(error.what()), false};
    } catch (const qn::EWriteError& error) {
        // The settings file a panel saves to: the message names the file.
        return {QString::fromStdString(error.what()), false};
    } catch (...) {
    }
    return {kOtherMessage, false};
}

FailureQueue::FailureQueue(QWidget* messageParent, std::function<CalculatorPage*()> currentPage,
                           QObject* parent)
    : QObject(parent), m_messageParent(messageParent), m_currentPage(std::move(currentPage))
{
}

namespace {

NumericField* refusedField(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const RefusedEntry& refusal) {
        return refusal.field();
    } catch (const qn::EInputError&) {
        // The entry just made, when there is one; a field left unchanged is not what the
        // refusal is about (a figure the program put elsewhere may be), and sending the
        // focus back to it would only refuse again on the next field left.
        NumericField* left = NumericField::beingLeft();
        return left && left->entryChanged() ? left : nullptr;
    } catch (...) {
    }
    return nullptr;
}

} // namespace

void FailureQueue::report(std::exception_ptr failure)
{
    NumericField* refused = refusedField(failure);
    // The accepted figure was shown before, so putting it back cannot fail; the guard only
    // keeps any failure from unwinding into Qt.
    if (refused)
        toolkit::runGuarded([refused] { refused->restoreEntry(); });
    m_pending.push_back({failure, m_currentPage ? m_currentPage() : nullptr, refused});
    if (!m_flushQueued) {
        m_flushQueued = true;
        QTimer::singleShot(0, this, [this] { flush(); });
    }
}

void FailureQueue::flush()
{
    m_flushQueued = false;
    if (m_showing)
        return; // the outer call picks up what arrives meanwhile
    m_showing = true;
    while (!m_pending.empty()) {
        const Pending pending = m_pending.front();
        m_pending.erase(m_pending.begin());
        const FailureMessage message = describeFailure(pending.failure);
        toolkit::showMessage(m_messageParent, message.text);
        if (pending.refused)
            pending.refused->focusSelected();
        if (message.arithmetic && pending.page) {
            CalculatorPage* page = pending.page;
            toolkit::runGuarded([page] { page->recoverFromArithmeticFailure(); });
        }
    }
    m_showing = false;
}

} // namespace qn::pages
