#include "app/prefs_dialog.h"

#include "app/prefs_fields.h"
#include "core/errors.h"
#include "core/limits.h"
#include "core/numtext.h"
#include "pages/num_edit.h"
#include "pages/page_description.h"
#include "pages/page_parts.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>

namespace qn::app {

using pages::NumericField;

namespace {

const QString kNote = QStringLiteral(
    "By saving the values which are unique to your situation as defaults, you will  save "
    "time using the different calculators which are included in this suite.");

using pages::FieldSpec;
using pages::FieldTable;

// Every table of the dialog, in tab order.
const FieldTable kTables[] = {prefs::kRatios, prefs::kPrimary, prefs::kPremiums,
                              prefs::kClosingCosts, prefs::kEscrows};

QLabel* noteLabel(QWidget* tab)
{
    QLabel* note = pages::makeLabel(tab, kNote, QRect(8, 200, 428, 30));
    note->setWordWrap(true);
    return note;
}

} // namespace

TfrmPrefs::TfrmPrefs(QString settingsPath, SettingsValues& values, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_settingsPath(std::move(settingsPath)),
      m_values(values)
{
    setObjectName(QStringLiteral("TfrmPrefs"));
    setWindowTitle(QStringLiteral("Preferences"));
    setFixedSize(464, 305);
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(8);
    setFont(arial);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pcPreferences"));
    m_pages->setGeometry(8, 8, 448, 258);
    const char* tabNames[] = {"General Values", "Closing Costs", "Escrows"};
    QWidget* tabs[3];
    for (int i = 0; i < 3; ++i) {
        tabs[i] = new QWidget(m_pages);
        m_pages->addTab(tabs[i], QLatin1String(tabNames[i]));
        noteLabel(tabs[i]);
    }
    buildGeneralTab(tabs[0]);
    buildClosingCostsTab(tabs[1]);
    buildEscrowsTab(tabs[2]);

    QPushButton* restore =
        pages::makeButton(this, prefs::kBtnRestore, QStringLiteral(" Restore &Defaults"),
                          QStringLiteral(" Click to restore defaults"), QRect(8, 272, 140, 25));
    QPushButton* cancel =
        pages::makeButton(this, prefs::kBtnCancel, QStringLiteral(" &Cancel"),
                          QStringLiteral(" Click to cancel"), QRect(162, 272, 140, 25));
    QPushButton* save =
        pages::makeButton(this, prefs::kBtnSave, QStringLiteral(" &Save and Close"),
                          QStringLiteral(" Click to save new values and close Preferences"),
                          QRect(316, 272, 140, 25));
    using toolkit::connectGuarded;
    connectGuarded(restore, &QPushButton::clicked, this, &TfrmPrefs::btnRestoreClick);
    connectGuarded(cancel, &QPushButton::clicked, this, &TfrmPrefs::btnCancelClick);
    connectGuarded(save, &QPushButton::clicked, this, &TfrmPrefs::btnSaveClick);
}

void TfrmPrefs::buildGeneralTab(QWidget* tab)
{
    auto* ratios = new QGroupBox(QStringLiteral("Qualification Ratios"), tab);
    ratios->setGeometry(8, 4, 150, 74);
    auto* primary = new QGroupBox(QStringLiteral("Primary Variables"), tab);
    primary->setGeometry(8, 80, 210, 116);
    auto* pmi = new QGroupBox(QStringLiteral("PMI Premiums"), tab);
    pmi->setGeometry(226, 4, 210, 192);

    // Each field named by its own caption, else a group box's title would name them all.
    auto group = [this](QWidget* box, FieldTable table, int captionWidth) {
        m_fields.build(box, table);
        for (const FieldSpec& spec : table)
            pages::makeLabel(box, QLatin1String(spec.caption),
                             QRect(10, spec.at.y() + 2, captionWidth, 18));
    };
    group(ratios, prefs::kRatios, 60);
    group(primary, prefs::kPrimary, 90);
    m_fields.build(pmi, prefs::kPremiums);
    pages::makeLabel(pmi, QStringLiteral("LTV"), QRect(10, 22, 56, 18));
    pages::makeLabel(pmi, QStringLiteral("30 Year Term"), QRect(70, 22, 66, 18));
    pages::makeLabel(pmi, QStringLiteral("15 Year Term"), QRect(140, 22, 66, 18));
    for (int r = 0; r < 4; ++r)
        pages::makeLabel(pmi, QLatin1String(prefs::kBands[r]), QRect(10, 46 + 26 * r, 56, 18));
}

void TfrmPrefs::buildClosingCostsTab(QWidget* tab)
{
    m_fields.build(tab, prefs::kClosingCosts);
    for (const FieldSpec& spec : prefs::kClosingCosts) {
        const QRect& at = spec.at;
        pages::makeLabel(tab, QLatin1String(spec.caption), QRect(at.x() - 124, at.y() - 1, 122, 24))
            ->setWordWrap(true);
    }
}

void TfrmPrefs::buildEscrowsTab(QWidget* tab)
{
    m_fields.build(tab, prefs::kEscrows);
    for (const FieldSpec& spec : prefs::kEscrows)
        pages::makeLabel(tab, QLatin1String(spec.caption), QRect(8, spec.at.y() - 4, 340, 32))
            ->setWordWrap(true);
}

void TfrmPrefs::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        toolkit::runGuarded([this] { FormShow(); });
    }
}

void TfrmPrefs::showValues(const SettingsValues& values)
{
    for (FieldTable table : kTables)
        m_fields.loadSettings(table, values);
}

void TfrmPrefs::FormShow()
{
    // What the file holds, not the values in memory. A faulty value keeps its default, and
    // one message names every faulty key.
    QStringList faults;
    const SettingsValues fromFile = LoadSettings(
        m_settingsPath, [&faults](const QString& message) { faults.append(message); },
        ReportFaults::Every);
    showValues(fromFile);
    m_pages->setCurrentIndex(0);
    m_fields.edit(prefs::kHousing)->setFocus();
    if (!faults.isEmpty())
        toolkit::showMessage(this, faults.join(u'\n'));
}

QJsonObject TfrmPrefs::describe(const QString& settingsPath, SettingsValues values)
{
    TfrmPrefs prefs(settingsPath, values);
    prefs.show();
    QCoreApplication::processEvents();
    QJsonObject out = pages::describeControls(&prefs, prefs.m_fields);
    out.insert(QStringLiteral("dialog"), prefs.windowTitle());
    return out;
}

void TfrmPrefs::btnRestoreClick() { showValues(SettingsValues{}); }

void TfrmPrefs::btnCancelClick() { reject(); }

bool TfrmPrefs::collect(SettingsValues& into)
{
    for (FieldTable table : kTables) {
        for (const FieldSpec& spec : table) {
            if (!collect(spec, into))
                return false;
        }
    }
    return true;
}

bool TfrmPrefs::collect(const FieldSpec& spec, SettingsValues& into)
{
    const QString caption = pages::spokenCaption(spec);
    NumericField* field = m_fields.field(spec.name);
    try {
        const double value = field->value();
        if (spec.wholeSetting) {
            into.*spec.wholeSetting = CheckPaymentCount(value, caption.toStdString());
        } else {
            // Every amount of money: loan, payment, fees, taxes; none may be negative.
            if (spec.kind == pages::FieldKind::Money || spec.kind == pages::FieldKind::MoneyCut)
                CheckAmount(value, caption.toStdString());
            into.*spec.setting = value;
        }
    } catch (const QnError& error) {
        // The user sees which field to mend, and the focus is put there.
        for (QWidget* w = field->parentWidget(); w; w = w->parentWidget()) {
            const int index = m_pages->indexOf(w);
            if (index >= 0)
                m_pages->setCurrentIndex(index);
        }
        field->setFocus();
        const bool input = dynamic_cast<const EInputError*>(&error) != nullptr;
        toolkit::showMessage(this, input ? QString::fromStdString(error.what())
                                         : caption + QStringLiteral(": ")
                                               + QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

void TfrmPrefs::SaveIniBuyerValues(const SettingsValues& values)
{
    // Written first, adopted after: a failed write changes neither the file nor memory.
    SaveSettings(m_settingsPath, values);
    m_values = values;
}

void TfrmPrefs::btnSaveClick()
{
    SettingsValues values = m_values;
    if (!collect(values))
        return;
    try {
        SaveIniBuyerValues(values);
    } catch (const QnError& error) {
        toolkit::showMessage(this, QString::fromStdString(error.what()));
        return;
    }
    if (parentWidget())
        parentWidget()->repaint();
    accept();
}

} // namespace qn::app
