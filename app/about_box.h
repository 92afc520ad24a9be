#pragma once

#include <QDialog>

namespace qn::app {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    void FormCreate();
    void BtnCloseClick();
};

} // namespace qn::app
