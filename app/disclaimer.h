#pragma once

#include <QDialog>

namespace qn::app {

class TfrmDisclaim : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDisclaim(QWidget* parent = nullptr);
    void BtnCloseClick();
};

} // namespace qn::app
