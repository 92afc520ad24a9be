#pragma once

#include <QFont>
#include <QLineEdit>
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
    explicit NumericField(QWidget* parent = nullptr);
    virtual double value() const = 0;
    // A value that is not finite throws qn::EMathError and leaves the field as it was.
    virtual void setValue(double value) = 0;

signals:
    // Raised on every focus loss, changed or not: the pages' "leaving a field".
    void exited();

protected:
    static void requireFinite(double value);
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitText();

    std::optional<QFont> m_baseFont;
    bool m_fitting = false;
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
    void setMasks(const QString& positive, const QString& negative = {},
                  const QString& zero = {});
    bool useRounding() const;
    void setUseRounding(bool on);
    bool validate() const;
    void setValidate(bool on);
    double minimum() const;
    void setMinimum(double min);
    double maximum() const;
    void setMaximum(double max);
    bool autoSelect() const;
    void setAutoSelect(bool on);

    // The text shown without focus for the current value and settings.
    QString displayText() const;

signals:
    void valueChanged(double value);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

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
    bool m_autoSelect = true;
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
    void setDecimals(int decimals);  // clamped to 0..9
    double minValue() const;
    void setMinValue(double v);
    double maxValue() const;
    void setMaxValue(double v);

signals:
    void changed();        // every change of the text (OnChange)
    void invalidEntry();   // left with a value outside MinValue..MaxValue

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString formatValue(double value) const;
    qsizetype pointPos(const QString& t) const;
    int removeAt(QString& t, qsizetype index, bool forward) const;
    void deleteSelectionByDigits();
    void typeChar(QChar c);

    int m_decimals = 2;
    double m_minValue = 0;
    double m_maxValue = 0;
};

// The pages' money field (2 decimals, 12 digits, mask "#,##0", rounding on, no validation)
// and fixed-decimals field, named and placed.
TNumEdit* newMoneyEdit(QWidget* parent, const char* name, QRect geometry);
TFnpNumericEdit* newNumberEdit(QWidget* parent, const char* name, int decimals, QRect geometry);

} // namespace qn::pages
