#include "reports/preview.h"

#include "toolkit/guarded.h"
#include "toolkit/hints.h"
#include "toolkit/message_box.h"
#include "toolkit/product.h"
#include "toolkit/safe_file.h"
#include "toolkit/save_dialog.h"
#include "toolkit/widgets.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace qn::reports {

namespace {

const QString kNoPrinterMessage = QStringLiteral(
    "No printer is available.\n\nSet up a printer, or save the report with Save PDF.");

// US Letter at 96 dots per inch, with half-inch margins.
constexpr int kPageWidth = 816;
constexpr int kPageHeight = 1056;
constexpr int kMargin = 48;

// The system's default printer. Where there is none, or the job cannot start, the user is
// told so; the preview stays open for Save PDF.
bool printOnSystemPrinter(QWidget* parent, const Report& report)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        toolkit::showMessage(parent, kNoPrinterMessage);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.title);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    if (paintReport(printer,
                    report.layout(designPageHeight(area.size()), QDateTime::currentDateTime())))
        return true;
    toolkit::showMessage(parent, QStringLiteral("The report could not be sent to the printer ")
                                     + printer.printerName() + QLatin1Char('.'));
    return false;
}

} // namespace

QSize previewPageSize() { return {kPageWidth, kPageHeight}; }

QRect previewPrintableRect()
{
    return QRect(kMargin, kMargin, kPageWidth - 2 * kMargin, kPageHeight - 2 * kMargin);
}

TfrmPreview::TfrmPreview(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_print([this](const Report& report) { return printOnSystemPrinter(this, report); })
{
    setObjectName(QStringLiteral("TfrmPreview"));
    setProperty("helpContext", 35);
    resize(900, 700);
    auto* outer = toolkit::borderlessColumn(this, 0);
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(30);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(15, 2, 8, 2);
    m_label = new QLabel(QStringLiteral("Page 1 of 1"), panel);
    m_label->setObjectName(QStringLiteral("Label1"));
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    m_label->setMinimumWidth(95);
    row->addWidget(m_label);
    auto button = [&](const char* name, const QString& text, const QString& hint) {
        auto* b = new QPushButton(text, panel);
        b->setObjectName(QLatin1String(name));
        b->setFocusPolicy(Qt::NoFocus); // the window sees every key
        toolkit::setHint(b, hint);
        b->setAccessibleName(hint);
        row->addWidget(b);
        return b;
    };
    m_prev = button("bbPrev", QString(), QStringLiteral("Display previous page"));
    m_prev->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    m_next = button("bbNext", QString(), QStringLiteral("Display next page"));
    m_next->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    m_zoomOut = button("bbZoomOut", QStringLiteral(" Zoom &Out"),
                       QStringLiteral("Displays full page in window"));
    m_zoom100 = button("bbZoom100", QStringLiteral(" &100%"),
                       QStringLiteral("Displays page at actual size"));
    m_zoomIn = button("bbZoomIn", QStringLiteral(" Zoom &In"),
                      QStringLiteral("Fits width of page into window"));
    row->addStretch(1);
    m_savePdf = button("bbSavePdf", QStringLiteral(" &Save PDF..."),
                       QStringLiteral("Save the document as a PDF file"));
    m_printButton =
        button("bbPrint", QStringLiteral(" &Print"), QStringLiteral("Print the document"));
    m_close = button("bbClose", QStringLiteral(" &Close"), QStringLiteral("Close Print Preview"));
    outer->addWidget(panel);

    m_view = new QScrollArea(this);
    m_view->setObjectName(QStringLiteral("QRPreview1"));
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_view->setBackgroundRole(QPalette::Dark);
    m_image = new QLabel;
    m_image->setObjectName(QStringLiteral("imgPage"));
    m_view->setWidget(m_image);
    outer->addWidget(m_view, 1);

    using toolkit::connectGuarded;
    connectGuarded(m_prev, &QPushButton::clicked, this, &TfrmPreview::bbPrevClick);
    connectGuarded(m_next, &QPushButton::clicked, this, &TfrmPreview::bbNextClick);
    connectGuarded(m_zoomOut, &QPushButton::clicked, this, &TfrmPreview::bbZoomOutClick);
    connectGuarded(m_zoom100, &QPushButton::clicked, this, &TfrmPreview::bbZoom100Click);
    connectGuarded(m_zoomIn, &QPushButton::clicked, this, &TfrmPreview::bbZoomInClick);
    connectGuarded(m_printButton, &QPushButton::clicked, this, &TfrmPreview::bbPrintClick);
    connectGuarded(m_savePdf, &QPushButton::clicked, this, &TfrmPreview::bbSavePdfClick);
    connectGuarded(m_close, &QPushButton::clicked, this, &TfrmPreview::bbCloseClick);
    m_askPdfPath = [this] {
        return toolkit::askSaveFileName(this, QStringLiteral("Save as PDF"), m_documentName,
                                        QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
    };
}

void TfrmPreview::setReport(const Report& report, const QDateTime& printedAt)
{
    m_report = report;
    m_printedAt = printedAt;
    const QRect area = previewPrintableRect();
    m_pages = m_report.layout(designPageHeight(area.size()), printedAt);
    m_page = 1;
    render();
}

void TfrmPreview::setPrintAction(std::function<bool(const Report&)> print)
{
    m_print = std::move(print);
}

void TfrmPreview::setPdfPathAsker(std::function<QString()> ask) { m_askPdfPath = std::move(ask); }

void TfrmPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmPreview::FormShow()
{
    setWindowTitle(QStringLiteral("Print Preview - ") + toolkit::kProductCaption);
    setZoom(ZoomMode::Percent, 100);
    updateLabel();
    m_next->setEnabled(pageCount() > 1);
    m_prev->setEnabled(false);
    enableZoomButtons(m_zoom100);
}

void TfrmPreview::updateLabel()
{
    m_label->setText(QStringLiteral("Page %1 of %2").arg(m_page).arg(std::max(1, pageCount())));
}

void TfrmPreview::setPage(int page)
{
    if (page < 1 || page > pageCount() || page == m_page)
        return;
    m_page = page;
    m_view->horizontalScrollBar()->setValue(0);
    m_view->verticalScrollBar()->setValue(0);
    render();
    updateLabel();
}

void TfrmPreview::render()
{
    const double scale = m_zoom / 100.0;
    const QSize size(qRound(kPageWidth * scale), qRound(kPageHeight * scale));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (m_page >= 1 && m_page <= pageCount()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QRect area = previewPrintableRect();
        painter.scale(scale, scale);
        painter.translate(area.topLeft());
        const double unit = area.width() / kBandWidth;
        painter.scale(unit, unit);
        paintPage(painter, m_pages[static_cast<std::size_t>(m_page - 1)]);
    }
    m_image->setPixmap(QPixmap::fromImage(image));
    m_image->resize(size);
}

void TfrmPreview::setZoom(ZoomMode mode, int percent)
{
    m_mode = mode;
    m_zoom = percent;
    applyZoom();
}

void TfrmPreview::applyZoom()
{
    const QSize room = m_view->viewport()->size();
    if (m_mode == ZoomMode::WholePage)
        m_zoom = static_cast<int>(std::lround(
            std::min(double(room.width()) / kPageWidth, double(room.height()) / kPageHeight) * 95));
    else if (m_mode == ZoomMode::PageWidth)
        m_zoom = static_cast<int>(std::lround(double(room.width()) / kPageWidth * 98));
    if (m_zoom <= 0 || pageCount() == 0)
        m_zoom = 100;
    render();
}

void TfrmPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // The two fitting modes follow the window until a fixed percentage is chosen.
    if (m_mode != ZoomMode::Percent)
        applyZoom();
}

void TfrmPreview::enableZoomButtons(QPushButton* chosen)
{
    for (QPushButton* b : {m_zoomOut, m_zoom100, m_zoomIn})
        b->setEnabled(b != chosen);
}

void TfrmPreview::bbZoomOutClick()
{
    setZoom(ZoomMode::WholePage);
    enableZoomButtons(m_zoomOut);
}

void TfrmPreview::bbZoom100Click()
{
    setZoom(ZoomMode::Percent, 100);
    enableZoomButtons(m_zoom100);
}

void TfrmPreview::bbZoomInClick()
{
    setZoom(ZoomMode::PageWidth);
    enableZoomButtons(m_zoomIn);
}

void TfrmPreview::bbPrevClick()
{
    if (m_page > 1)
        setPage(m_page - 1);
    updateLabel();
    m_next->setEnabled(true);
    if (m_page == 1)
        m_prev->setEnabled(false);
}

void TfrmPreview::bbNextClick()
{
    if (m_page < pageCount())
        setPage(m_page + 1);
    updateLabel();
    m_prev->setEnabled(true);
    if (m_page == pageCount())
        m_next->setEnabled(false);
}

void TfrmPreview::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool ctrlOnly = event->modifiers() == Qt::ControlModifier;
    if (((key == Qt::Key_PageDown && ctrlOnly) || key == Qt::Key_End) && m_next->isEnabled()) {
        setPage(pageCount());
        updateLabel();
        m_prev->setEnabled(true);
        m_next->setEnabled(false);
    } else if (((key == Qt::Key_PageUp && ctrlOnly) || key == Qt::Key_Home)
               && m_prev->isEnabled()) {
        setPage(1);
        updateLabel();
        m_prev->setEnabled(false);
        m_next->setEnabled(true);
    } else if (key == Qt::Key_PageDown && m_next->isEnabled()) {
        bbNextClick();
    } else if (key == Qt::Key_PageUp && m_prev->isEnabled()) {
        bbPrevClick();
    } else if (key == Qt::Key_Left || key == Qt::Key_Right) {
        QScrollBar* bar = m_view->horizontalScrollBar();
        bar->setValue(bar->value() + (key == Qt::Key_Left ? -50 : 50));
    } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        QScrollBar* bar = m_view->verticalScrollBar();
        bar->setValue(bar->value() + (key == Qt::Key_Up ? -50 : 50));
    } else if (key != Qt::Key_PageDown && key != Qt::Key_PageUp && key != Qt::Key_End
               && key != Qt::Key_Home) {
        QDialog::keyPressEvent(event);
    }
}

void TfrmPreview::bbPrintClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool printed = false;
    try {
        printed = m_print && m_print(m_report);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw; // the window stays open; the failure goes to the application's handler
    }
    QApplication::restoreOverrideCursor();
    if (printed)
        close();
}

void TfrmPreview::bbSavePdfClick()
{
    const QString path = m_askPdfPath ? m_askPdfPath() : QString();
    if (path.isEmpty())
        return;
    if (!writePdf(m_report, path, m_printedAt))
        toolkit::showMessage(this, toolkit::UnableToWriteMessage(path));
}

void TfrmPreview::bbCloseClick() { close(); }

void TfrmPreview::FormClose()
{
    m_page = 1;
    m_prev->setEnabled(false);
    m_view->horizontalScrollBar()->setValue(0);
    m_view->verticalScrollBar()->setValue(0);
}

void TfrmPreview::closeEvent(QCloseEvent* event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TfrmPreview::done(int result)
{
    FormClose();
    QDialog::done(result);
}

} // namespace qn::reports
