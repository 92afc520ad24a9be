#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <exception>
#include <functional>
#include <vector>

class QWidget;

namespace qn::pages {

class CalculatorPage;
class NumericField;

// The message a failure that escaped a handler gets, and whether it was arithmetic.
struct FailureMessage {
    QString text;
    bool arithmetic = false;
};
FailureMessage describeFailure(std::exception_ptr failure);

inline const QString kMathMessage = QStringLiteral(
    "Valid results cannot be calculated using\n\rthe variables you have entered.\n\r\n\r"
    "Please try again with reasonable values.");
inline const QString kOtherMessage = QStringLiteral("An unidentified error has occurred.");

// The application-wide failure handler's queue: a failure is recorded with the page that was
// current, and its message shown on a queued call, never in the middle of a focus change.
// After an arithmetic failure only that page recovers: the others' fields are hidden.
// A refused entry (qn::EInputError) concerns the field named by RefusedEntry, else the
// field being left if it was changed: it gets back its accepted entry at once, so nothing
// computes with the refused figure, and the focus with its text selected after the message.
class FailureQueue : public QObject {
    Q_OBJECT
public:
    FailureQueue(QWidget* messageParent, std::function<CalculatorPage*()> currentPage,
                 QObject* parent = nullptr);

    void report(std::exception_ptr failure);
    // Shows what is queued now (tests and the headless run call it to settle).
    void flush();

private:
    struct Pending {
        std::exception_ptr failure;
        QPointer<CalculatorPage> page;
        QPointer<NumericField> refused;
    };

    QWidget* m_messageParent;
    std::function<CalculatorPage*()> m_currentPage;
    std::vector<Pending> m_pending;
    bool m_showing = false;
    bool m_flushQueued = false;
};

} // namespace qn::pages
