#pragma once

#include "core/errors.h"

#include <QFont>
#include <QLineEdit>
#include <QPointer>
#include <QRect>
#include <QString>

#include <optional>

namespace qn::pages {

// How a field shows whether the user types into it (white), it is the unknown being
// solved for (disabled, silver text) or it holds a computed result (yellow).
enum class FieldLook { Normal, Unknown, Result };
void applyFieldLook(QLineEdit* field, FieldLook look);

// What every numeric entry field offers a page: a value and one "left the field" signal,
// so a page can connect all its fields in one loop.
class NumericField : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue)
public:
    // Made showing text: laid out once, without the signals a change of text raises.
    explicit NumericField(QWidget* parent = nullptr, const QString& text = {});
    virtual double value() const = 0;
    // A value that is not finite throws qn::EMathError and leaves the field as it was.
    // A value the program sets is one the page's results may stand on: it is accepted.
    virtual void setValue(double value) = 0;

    // The accepted entry is the figure the page's results were computed from; a refused
    // entry gets it back (the failure handler calls restoreEntry, then focusSelected).
    // Besides setValue, leaving the field accepts it when the page computes on leaving
    // and nothing failed; pages that compute on a button accept after computing.
    virtual void acceptEntry() = 0;
    virtual void restoreEntry() = 0;
    // The field holds something other than its accepted entry.
    virtual bool entryChanged() const = 0;
    // The focus in the field with its whole text selected, ready to be typed over; once
    // the window is active again when a message box has just closed.
    void focusSelected();
    // Whether leaving the field computes its page (something listens to exited()).
    bool computesOnLeave() const;
    // The field whose leaving is being handled, if any: a refusal then concerns it.
    static NumericField* beingLeft();
    // Whether entering by the keyboard or the program selects the whole text.
    bool autoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool on) { m_autoSelect = on; }

signals:
    // Raised on every focus loss, changed or not: the pages' "leaving a field".
    void exited();

protected:
    static void requireFinite(double value);
    // A figure the program puts into a field whose text is all selected stays selected.
    bool wholeTextSelected() const;
    // A menu or another window taking the focus for a while neither leaves nor enters.
    static bool isExcursion(Qt::FocusReason reason);
    // Whether entering for this reason selects the whole text, so that typing replaces it:
    // the keyboard and the program do; a click places the caret; coming back from a menu
    // or another window to a field being edited leaves it as it was.
    bool entrySelects(Qt::FocusReason reason) const;
    // Leaving the field: exited(), then the entry is accepted unless a failure was
    // reported meanwhile.
    void leave();
    // Enter on a page that computes on leaving: the same as leaving, the focus staying.
    void commitAsLeaving();

    // What a kind of field adds to entering and leaving; when each runs is the same for all.
    // Really entering, and after Enter: the figure shown for typing.
    virtual void showForEditing() {}
    // Leaving the field (`leaving`) or Enter: what was typed becomes the entry; false when
    // it is refused and the field stays entered.
    virtual bool takeEntry(bool leaving) = 0;
    // Really left: the figure shown as a field without the focus shows it.
    virtual void showLeft() {}

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitText();

protected:
    // Between really entering the field and really leaving it.
    bool m_entered = false;

private:
    std::optional<QFont> m_baseFont;
    bool m_fitting = false;
    bool m_autoSelect = true;
};

// Formatted number field for money and a few plain numbers. The value is stored apart from
// the text; display rounding never changes it until the user edits the field.
class TNumEdit : public NumericField {
    Q_OBJECT
public:
    enum NumericType { ntGeneral, ntCurrency, ntPercentage };

    explicit TNumEdit(QWidget* parent = nullptr);

    double value() const override;
    void setValue(double value) override;

    NumericType numericType() const;
    void setNumericType(NumericType type);
    int decimals() const;
    void setDecimals(int decimals);
    int digits() const;
    void setDigits(int digits);
    void setMasks(const QString& positive, const QString& negative = {}, const QString& zero = {});
    // What a plain field shows for 0 in place of the figure ("none"); empty for the figure.
    void setZeroMask(const QString& zero);
    // A plain figure of that mask and decimals, rounded or cut for show, drawn once.
    void setPlainFormat(const QString& mask, int decimals, bool rounding);
    bool useRounding() const;
    void setUseRounding(bool on);
    bool validate() const;
    void setValidate(bool on);
    double minimum() const;
    void setMinimum(double min);
    double maximum() const;
    void setMaximum(double max);

    // The text shown without focus for the current value and settings.
    QString displayText() const;

    void acceptEntry() override;
    void restoreEntry() override;
    bool entryChanged() const override { return m_value != m_accepted; }

signals:
    void valueChanged(double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showForEditing() override;
    // The typed text becomes the value; false when Validate refuses it.
    bool takeEntry(bool leaving) override;
    void showLeft() override;

private:
    void storeValue(double value);
    void redraw();
    void showRangeMessage();
    QString editText() const;
    int editLimit() const;
    void showEditText();
    double parseEditText() const;

    double m_value = 0;
    NumericType m_type = ntCurrency;
    int m_decimals = 2;
    int m_digits = 12;
    QString m_positiveMask = QStringLiteral("#,##0");
    QString m_negativeMask;
    QString m_zeroMask;
    bool m_useRounding = true;
    bool m_validate = false;
    double m_min = 0;
    double m_max = 0;
    double m_accepted = 0;
};

// Fixed-decimals field for rates, terms, counts and ratios: the value is its text. Typing
// stops at kMaxIntegerDigits before the point (with the sign and the decimals on top).
class TFnpNumericEdit : public NumericField {
    Q_OBJECT
public:
    // More than any rate, term or count needs, and as many as a double keeps exactly.
    static constexpr int kMaxIntegerDigits = 15;

    explicit TFnpNumericEdit(QWidget* parent = nullptr);

    // Converts the text; a text that is no number throws qn::EConvertError.
    double value() const override;
    void setValue(double value) override;

    int decimals() const;
    void setDecimals(int decimals); // clamped to 0..9
    double minValue() const;
    void setMinValue(double v);
    double maxValue() const;
    void setMaxValue(double v);

    void acceptEntry() override;
    void restoreEntry() override;
    bool entryChanged() const override { return text() != m_acceptedText; }

signals:
    void changed();      // every change of the text (OnChange)
    void invalidEntry(); // left with a value outside MinValue..MaxValue

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Takes the text as it is, signalling a value out of range.
    bool takeEntry(bool leaving) override;

private:
    QString formatValue(double value) const;
    qsizetype pointPos(const QString& t) const;
    int removeAt(QString& t, qsizetype index, bool forward) const;
    void deleteSelectionByDigits();
    void typeChar(QChar c);

    int m_decimals = 2;
    double m_minValue = 0;
    double m_maxValue = 0;
    QString m_acceptedText;
};

// A figure refused by a check of core/limits, reported against its field so that the
// failure handler can put the field back.
class RefusedEntry : public EInputError {
public:
    RefusedEntry(const EInputError& refusal, NumericField* field)
        : EInputError(refusal), m_field(field)
    {
    }
    NumericField* field() const { return m_field; }

private:
    QPointer<NumericField> m_field;
};

// check(field->value()), for the checks a page runs on a button: a refusal names the field.
// checkedValue(m_edtN, [](double v) { return CheckPaymentCount(v, "Number of Payments"); })
template <typename Check>
auto checkedValue(NumericField* field, Check check) -> decltype(check(0.0))
{
    try {
        return check(field->value());
    } catch (const RefusedEntry&) {
        throw;
    } catch (const EInputError& refusal) {
        throw RefusedEntry(refusal, field);
    }
}

// The pages' money field (2 decimals, 12 digits, mask "#,##0", rounding on, no validation)
// and fixed-decimals field, named and placed.
TNumEdit* newMoneyEdit(QWidget* parent, const char* name, QRect geometry);
TFnpNumericEdit* newNumberEdit(QWidget* parent, const char* name, int decimals, QRect geometry);

} // namespace qn::pages
