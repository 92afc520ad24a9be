#pragma once

#include "app/settings_values.h"
#include "pages/page_fields.h"

#include <QDialog>
#include <QJsonObject>
#include <QString>

class QTabWidget;

namespace qn::app {

// The defaults the user works from, as the settings file holds them. Created for each
// opening and destroyed on close; Save and Close writes the file and the values in memory.
class TfrmPrefs : public QDialog {
    Q_OBJECT
public:
    // settingsPath: the file shown and written; values: the settings values in memory.
    TfrmPrefs(QString settingsPath, SettingsValues& values, QWidget* parent = nullptr);

    void FormShow();
    void btnRestoreClick();
    void btnCancelClick();
    void btnSaveClick();

    // The dialog's declaration as it opens with these settings (see pages::describeControls),
    // and "dialog", its title.
    static QJsonObject describe(const QString& settingsPath, SettingsValues values);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildGeneralTab(QWidget* tab);
    void buildClosingCostsTab(QWidget* tab);
    void buildEscrowsTab(QWidget* tab);
    void showValues(const SettingsValues& values);
    // The dialog's figures as settings values, or a message naming the first field that
    // cannot be saved (the focus goes there).
    bool collect(SettingsValues& into);
    bool collect(const pages::FieldSpec& spec, SettingsValues& into);
    void SaveIniBuyerValues(const SettingsValues& values);

    QString m_settingsPath;
    SettingsValues& m_values;
    QTabWidget* m_pages = nullptr;
    pages::PageFields m_fields;
    bool m_shown = false;
};

} // namespace qn::app
