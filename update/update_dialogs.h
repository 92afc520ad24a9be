#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>

#include <functional>

class QLabel;
class QProgressBar;

namespace qn::update {

// The windows and questions of the update flow.

// A warning in the program's message box, with OK.
void Warn(QWidget* parent, const QString& text, const QString& title);

// A Yes/No question in the program's message box.
QMessageBox::StandardButton AskYesNo(QWidget* parent, const QString& text, const QString& title);

void CentreOnScreen(QWidget& window);

// A small modal window that stays up while requests run. However it closes (Cancel, Escape,
// the window's own close), `cancel` runs, which ends the request: nothing goes on unseen.
class WaitWindow : public QDialog {
public:
    WaitWindow(QWidget* parent, const QString& text, std::function<void()> cancel);
    void reject() override;

private:
    std::function<void()> m_cancel;
};

// The download's progress: a bar and the count of bytes received; Cancel, Escape and closing
// the window reject it.
class ProgressWindow : public QDialog {
public:
    explicit ProgressWindow(QWidget* parent);
    void showProgress(qint64 received, qint64 total);

private:
    QProgressBar* m_bar = nullptr;
    QLabel* m_count = nullptr;
};

// The read-me text in a window of its own, until Ok.
void ShowReadMe(QWidget* parent, const QString& text);

// The progress window's count: "524,288 of 1,048,576 bytes received."; without an
// announced length (total < 0) only what arrived.
QString ProgressText(qint64 received, qint64 total);

// The save dialog's filters, in order: "Application (*.EXE)", "Zipped File (*.ZIP)",
// "All Files (*.*)". A chosen name without an extension gets ".EXE" under the first and
// ".ZIP" under the second.
QString WithFilterExtension(const QString& path, int filterIndex);

// Asks where to save the download (the platform's save dialog); empty when cancelled.
QString AskDownloadName(QWidget* parent, const QString& proposed);

// Opens the downloaded file with its run parameters: started when executable, else given
// to the platform's handler.
bool StartDownloadedFile(const QString& file, const QString& params);

} // namespace qn::update
