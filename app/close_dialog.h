#pragma once

#include <QDialog>

namespace qn::app {

// Asked now and then on exit. exec() == Accepted means the program quits.
class TfrmClose : public QDialog {
    Q_OBJECT
public:
    explicit TfrmClose(QWidget* parent = nullptr);
    void BtnExitClick();
    void BtnReturnClick();
    void btnSuggestionsClick();
};

} // namespace qn::app
