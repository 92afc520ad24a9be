#include "update/update_dialogs.h"

#include "toolkit/message_box.h"
#include "toolkit/widgets.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace qn::update {

namespace {

const QStringList& saveFilters()
{
    static const QStringList filters = {QStringLiteral("Application (*.EXE)"),
                                        QStringLiteral("Zipped File (*.ZIP)"),
                                        QStringLiteral("All Files (*.*)")};
    return filters;
}

// The windows' &Cancel button: it rejects its window.
void addCancelButton(QDialog* window, const QRect& geometry)
{
    auto* button = new QPushButton(QStringLiteral("&Cancel"), window);
    button->setObjectName(QStringLiteral("btnCancel"));
    button->setGeometry(geometry);
    button->setCursor(Qt::ArrowCursor);
    QObject::connect(button, &QPushButton::clicked, window, &QDialog::reject);
}

QLabel* centredLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

} // namespace

void Warn(QWidget* parent, const QString& text, const QString& title)
{
    toolkit::showMessage(parent, text, QMessageBox::Warning, QMessageBox::Ok, title);
}

QMessageBox::StandardButton AskYesNo(QWidget* parent, const QString& text, const QString& title)
{
    return toolkit::showMessage(parent, text, QMessageBox::Question,
                                QMessageBox::Yes | QMessageBox::No, title);
}

void CentreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

WaitWindow::WaitWindow(QWidget* parent, const QString& text, std::function<void()> cancel)
    : QDialog(parent, toolkit::kTitleBarOnly), m_cancel(std::move(cancel))
{
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(QStringLiteral("Please Wait"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(240, 100);
    centredLabel(this, text, QRect(0, 0, 240, 64))->setObjectName(QStringLiteral("lblWait"));
    addCancelButton(this, QRect(86, 66, 68, 22));
    setCursor(Qt::WaitCursor);
    CentreOnScreen(*this);
    show();
}

void WaitWindow::reject()
{
    QDialog::reject();
    if (m_cancel)
        m_cancel();
}

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent, toolkit::kTitleBarOnly)
{
    toolkit::nameWindow(this, "frmProgress", QStringLiteral("Download Progress"), QSize(272, 123));
    setCursor(Qt::WaitCursor);
    centredLabel(this, QStringLiteral("Downloading Update"), QRect(0, 8, 272, 18));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("pbProgress"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setGeometry(36, 32, 200, 14);
    m_bar->setTextVisible(false); // 14 pixels leave no room for it; the count is below
    m_count = centredLabel(this, QString(), QRect(0, 54, 272, 18));
    m_count->setObjectName(QStringLiteral("lblProgress"));
    addCancelButton(this, QRect(102, 90, 68, 22));
}

void ProgressWindow::showProgress(qint64 received, qint64 total)
{
    m_count->setText(ProgressText(received, total));
    if (total <= 0) {
        m_bar->setRange(0, 0); // no length announced: a bar that only says "busy"
        return;
    }
    m_bar->setRange(0, 100);
    const qint64 percent = std::min<qint64>(received * 100 / total, 100);
    if (percent > m_bar->value())
        m_bar->setValue(static_cast<int>(percent));
}

void ShowReadMe(QWidget* parent, const QString& text)
{
    QDialog window(parent);
    window.setObjectName(QStringLiteral("frmReadMe"));
    window.setWindowTitle(QStringLiteral("Read Me"));
    QSize size(800, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = screen->availableGeometry().size() * 4 / 5;
    window.setFixedSize(size);
    auto* memo = new QPlainTextEdit(text, &window);
    memo->setObjectName(QStringLiteral("memReadMe"));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setGeometry(10, 10, size.width() - 25, size.height() - 80);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), &window);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setGeometry((size.width() - 68) / 2, size.height() - 56, 68, 22);
    QObject::connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
    CentreOnScreen(window);
    window.exec();
}

QString ProgressText(qint64 received, qint64 total)
{
    // Grouped with "," whatever the user's locale, as the window has always shown it.
    const QLocale grouped(QLocale::English, QLocale::UnitedStates);
    if (total < 0)
        return QStringLiteral("%1 bytes received.").arg(grouped.toString(received));
    return QStringLiteral("%1 of %2 bytes received.")
        .arg(grouped.toString(received), grouped.toString(total));
}

QString WithFilterExtension(const QString& path, int filterIndex)
{
    if (!QFileInfo(path).suffix().isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    if (filterIndex == 0)
        return path + QStringLiteral(".EXE");
    if (filterIndex == 1)
        return path + QStringLiteral(".ZIP");
    return path;
}

QString AskDownloadName(QWidget* parent, const QString& proposed)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile); // in an existing folder; overwriting is asked
    dialog.setNameFilters(saveFilters());
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    const QString path = WithFilterExtension(
        chosen, static_cast<int>(saveFilters().indexOf(dialog.selectedNameFilter())));
    // The dialog asked about the name typed; the extension added makes another name.
    if (path != chosen && QFileInfo::exists(path)
        && AskYesNo(parent,
                    QStringLiteral("The file %1 already exists.\rDo you want to overwrite it?")
                        .arg(path),
                    QStringLiteral("File Exists"))
               != QMessageBox::Yes)
        return {};
    return path;
}

bool StartDownloadedFile(const QString& file, const QString& params)
{
    if (QFileInfo(file).isExecutable())
        return QProcess::startDetached(file, QProcess::splitCommand(params));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

} // namespace qn::update
