#pragma once

#include "reports/report_engine.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;

namespace qn::reports {

// The program's own print preview: one prepared page at a time, paging, three zoom modes,
// scrolling with the arrow keys, printing and saving as PDF.
class TfrmPreview : public QDialog {
    Q_OBJECT
public:
    enum class ZoomMode { Percent, WholePage, PageWidth };

    explicit TfrmPreview(QWidget* parent = nullptr);

    // The report to show; its pages are laid out for US Letter.
    void setReport(const Report& report, const QDateTime& printedAt);
    // What Print does with the pages; by default they go to the system's printer, or a
    // message says there is none.
    void setPrintAction(std::function<bool(const Report&)> print);
    void setPdfPathAsker(std::function<QString()> ask);
    // The name Save PDF offers, without its extension ("Amortization Schedule").
    void setDocumentName(const QString& name) { m_documentName = name; }

    int currentPage() const { return m_page; }
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    int zoomPercent() const { return m_zoom; }
    ZoomMode zoomMode() const { return m_mode; }
    QScrollArea* view() const { return m_view; }

    void FormShow();
    void bbPrevClick();
    void bbNextClick();
    void bbZoomOutClick();
    void bbZoom100Click();
    void bbZoomInClick();
    void bbPrintClick();
    void bbSavePdfClick();
    void bbCloseClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setPage(int page);
    void setZoom(ZoomMode mode, int percent = 100);
    void applyZoom();
    void render();
    void updateLabel();
    void enableZoomButtons(QPushButton* chosen);
    void FormClose();

    Report m_report;
    QDateTime m_printedAt;
    std::vector<Page> m_pages;
    int m_page = 1;
    int m_zoom = 100;
    ZoomMode m_mode = ZoomMode::Percent;
    std::function<bool(const Report&)> m_print;
    std::function<QString()> m_askPdfPath;
    QString m_documentName;

    QLabel* m_label = nullptr;
    QPushButton* m_prev = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_zoomOut = nullptr;
    QPushButton* m_zoom100 = nullptr;
    QPushButton* m_zoomIn = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_savePdf = nullptr;
    QPushButton* m_close = nullptr;
    QScrollArea* m_view = nullptr;
    QLabel* m_image = nullptr;
};

// The size of a Letter page at 100 % on screen, and its printable area, in pixels.
QSize previewPageSize();
QRect previewPrintableRect();

} // namespace qn::reports
