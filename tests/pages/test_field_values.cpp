// What a page computes with is what its fields show, in every locale.
#include "pages/amortization_page.h"
#include "pages/num_edit.h"
#include "tests/support/locale_child.h"
#include "tests/support/page_fixture.h"
#include "tests/support/page_names.h"
#include "toolkit/money.h"

#include <QPushButton>

#include <cmath>

using qn::pages::NumericField;
using qn::pages::TFnpNumericEdit;
using qn::pages::TNumEdit;

namespace {

class FieldValues : public PageFixture {
protected:
    // Types `number` (written with ".") with the user's own decimal separator into the
    // field, entered with Tab so its text is selected, then leaves it.
    void type(NumericField* field, const QString& number)
    {
        QString keys = number;
        keys.replace(QLatin1Char('.'), qn::toolkit::moneyLocale().decimalPoint());
        typeAndLeave(field, keys);
    }

    // The number a field's text stands for, read independently of the field's code.
    static double shownNumber(const NumericField* field)
    {
        const QLocale locale = qn::toolkit::moneyLocale();
        QString digits;
        for (const QChar c : field->text()) {
            if (c.isDigit())
                digits += c;
            else if (QString(c) == locale.decimalPoint())
                digits += QLatin1Char('.');
        }
        const bool negative =
            field->text().contains(QLatin1Char('-')) || field->text().contains(QLatin1Char('('));
        return (negative ? -1 : 1) * digits.toDouble();
    }

    void checkEveryInput(const QString& pageName)
    {
        auto* page = m_window->page(pageName);
        ASSERT_NE(page, nullptr);
        for (NumericField* field : page->findChildren<NumericField*>()) {
            if (field->isReadOnly() || !field->isEnabled() || !field->isVisible())
                continue;
            SCOPED_TRACE(field->objectName().toStdString());
            const bool whole = qobject_cast<TFnpNumericEdit*>(field)
                               && static_cast<TFnpNumericEdit*>(field)->decimals() == 0;
            type(field, whole ? QStringLiteral("240") : QStringLiteral("1234.56"));
            EXPECT_DOUBLE_EQ(field->value(), shownNumber(field)) << field->text().toStdString();
            EXPECT_DOUBLE_EQ(field->value(), whole ? 240 : 1234.56);
        }
    }
};

TEST_F(FieldValues, EveryTypedInputComputesWithWhatItShows)
{
    m_window->gotoPage(QStringLiteral("BW"));
    settle();
    checkEveryInput(QStringLiteral("BW"));

    m_window->gotoPage(QStringLiteral("Amort"));
    settle();
    checkEveryInput(QStringLiteral("Amort"));

    m_window->gotoPage(QStringLiteral("QC"));
    settle();
    // Each choice leaves three fields to type into.
    for (const char* choice : {qc::kBtnCalcLA, qc::kBtnCalcPMT}) {
        find<QPushButton>(QStringLiteral("QC"), choice)->click();
        settle();
        checkEveryInput(QStringLiteral("QC"));
    }
    takeMessages(); // leaving the typed fields may recompute with odd figures
}

// The same figures whatever the user's decimal separator: 8.75 % gives 786.70.
TEST_F(FieldValues, PagesGiveTheSameResultsInEveryLocale)
{
    m_window->gotoPage(QStringLiteral("Amort"));
    settle();
    EXPECT_DOUBLE_EQ(find<TNumEdit>(QStringLiteral("Amort"), amort::kAmortPayment.name)->value(),
                     786.70);

    m_window->gotoPage(QStringLiteral("BW"));
    settle();
    type(find<NumericField>(QStringLiteral("BW"), bw::kMortgageInterest.name),
         QStringLiteral("6.5"));
    EXPECT_DOUBLE_EQ(
        find<TFnpNumericEdit>(QStringLiteral("BW"), bw::kMortgageInterest.name)->value(), 6.5);
    // 100000 at 6.5 % over 360 months.
    EXPECT_DOUBLE_EQ(find<TNumEdit>(QStringLiteral("BW"), bw::kMortgagePayments.name)->value(),
                     632.07);

    m_window->gotoPage(QStringLiteral("QC"));
    settle();
    find<QPushButton>(QStringLiteral("QC"), qc::kBtnCalcPMT)->click();
    settle();
    type(find<NumericField>(QStringLiteral("QC"), qc::kLA.name), QStringLiteral("100000"));
    type(find<NumericField>(QStringLiteral("QC"), qc::kIR.name), QStringLiteral("8.75"));
    type(find<NumericField>(QStringLiteral("QC"), qc::kN.name), QStringLiteral("360"));
    find<QPushButton>(QStringLiteral("QC"), qc::kBtnCalcQuickCalc)->click();
    settle();
    EXPECT_NEAR(find<TNumEdit>(QStringLiteral("QC"), qc::kPMT.name)->value(), 786.7004, 1e-4);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(FieldValues, AnOverflowingResultIsAFailureNotInf)
{
    m_window->gotoPage(QStringLiteral("QC"));
    settle();
    find<QPushButton>(QStringLiteral("QC"), qc::kBtnCalcPMT)->click();
    find<TNumEdit>(QStringLiteral("QC"), qc::kLA.name)->setValue(100000);
    find<TFnpNumericEdit>(QStringLiteral("QC"), qc::kIR.name)->setValue(1e306);
    find<TFnpNumericEdit>(QStringLiteral("QC"), qc::kN.name)->setValue(360);
    find<QPushButton>(QStringLiteral("QC"), qc::kBtnCalcQuickCalc)->click();
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("Cannot calculate using the values you entered.  "
                                         "Please try again.")});
    const QString shown = find<QLineEdit>(QStringLiteral("QC"), qc::kPMT.name)->text();
    EXPECT_FALSE(shown.contains(QStringLiteral("inf"))) << shown.toStdString();
}

// The two tests above, once more under a comma-decimal locale.
TEST(FieldValuesGerman, SameResultsWithACommaDecimalSeparator)
{
    if (GermanLocaleChild::inChild())
        GTEST_SKIP() << "already the child";
    GermanLocaleChild child;
    const int status = child.run(QStringLiteral("FieldValues.*"));
    if (status == -1)
        GTEST_SKIP() << "no de_DE locale can be generated here";
    EXPECT_EQ(status, 0) << child.output().toStdString();
    EXPECT_TRUE(child.output().contains(QStringLiteral("[  PASSED  ] 3 tests")))
        << child.output().toStdString();
}

TEST(FieldValuesGerman, ChildRunsUnderTheCommaLocale)
{
    if (!GermanLocaleChild::inChild())
        GTEST_SKIP() << "only in the child";
    EXPECT_EQ(qn::toolkit::moneyLocale().decimalPoint(), QStringLiteral(","));
}

} // namespace
