#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qn::update {

class TWebFileInfo;

// The Update Center: what the server offers against this version, and the way to fetch it.
class TfrmUpdate : public QDialog {
    Q_OBJECT
public:
    TfrmUpdate(TWebFileInfo& info, QWidget* parent = nullptr);

    void CheckUpdate();
    void RetrieveUpdate();
    void CloseUpdateCenter();
    bool IsUpdateAvailable() const;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    TWebFileInfo& m_info;
    QLabel* m_version = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_readMe = nullptr;
    QLabel* m_url = nullptr;
    QPushButton* m_retrieve = nullptr;
    bool m_checked = false;
};

} // namespace qn::update
