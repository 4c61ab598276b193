// The person view's commands and its life in the application: Properties,
// Comments, printing, and what happens when a chart window goes.
#include <algorithm>
#include <cstring>
#include <utility>

#include <QAction>
#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>

#include "CDia_Parameters.h"
#include "ChartPicture.h"
#include "CKelraView.h"
#include "Clock.h"
#include "DataFile.h"
#include "InvalidArgument.h"
#include "QtSurface.h"
#include "UiHelpers.h"
#include "ViewServices.h"

namespace kelra {

void CKelraView::OnProperties() {
    PersonProfile work;
    calc.CopyProfile(work, profile);
    CDia_Parameters dlg;
    dlg.chartOptions = chart.get();
    dlg.profile = &work;
    if (dlg.exec() != 1) return;  // options the dialog wrote stay in the chart
    calc.CopyProfile(profile, work);
    calc.Compute(days, profile);
    BindChart();
    FillChartRows();
    viewport()->repaint();
}

void CKelraView::OnComments() {
    if (mode == 1 || !services_) return;
    services_->OpenCommentsWindow(
        profile, QStringLiteral("Today's Comments for %1").arg(QString::fromStdString(profile.name)));
}

void CKelraView::ExportDataFile() {
    ExportResult result;
    {
        WaitCursor wait;
        result = WriteDataFile(profile.name, days, Now(), QDir::currentPath().toStdString());
    }
    const QString file = QString::fromStdString(result.fileName);
    if (result.outcome == ExportResult::openFailed) {
        ShowWarning(nullptr, QStringLiteral("Can not open an output file \"%1\".").arg(file));
    } else if (result.outcome == ExportResult::writeFailed) {
        // Nothing partial is left: the earlier file, if any, is still there whole.
        QString text = QStringLiteral("Can not write the output file \"%1\" (%2).")
                           .arg(file, QString::fromLocal8Bit(std::strerror(result.error)));
        if (result.keptEarlier) text += QStringLiteral(" The earlier file is kept.");
        ShowWarning(nullptr, text);
    }
}

void CKelraView::OnDestroy() {
    // A chart window records its person, then its chart goes, then the file is written.
    if (mode == 0 && services_) services_->AddRecentPerson(QString::fromStdString(PersonEntryText(profile)));
    chart.reset();
    if (mode == 0 && profile.writeDataFile) ExportDataFile();
}

QString CKelraView::SaveChartPicture(const QString& path) {
    if (!chart) return QStringLiteral("This window shows no chart.");
    // The indicator belongs to the window, not the chart: like a printout,
    // the picture leaves it out.
    const Rect client = FrameClientRect();
    return kelra::SaveChartPicture(*chart, path, QSize(client.Width(), client.Height()), devicePixelRatioF());
}

QString CKelraView::PrintName() const {
    return services_ ? services_->DocumentTitle(*this) : QString::fromStdString(profile.name);
}

void CKelraView::RenderPrintPage(QPainter& painter, const QRect& page) {
    // The chart is laid out on its frame's client area, the page on the
    // window's own.
    const Rect client = mode == 0 ? FrameClientRect() : Rect{0, 0, viewport()->width(), viewport()->height()};
    const double w = std::max(1, client.Width());
    const double h = std::max(1, client.Height());
    // The window's picture fills the page's width, keeping its proportions.
    const double scale = mode == 0 ? std::min(page.width() / w, page.height() / h) : page.width() / w;
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    QtSurface surface(painter);
    try {
        if (mode == 0) DrawChartOn(surface);
        else {
            // A printout leaves the window's scroll sizes alone.
            const bool dirty = std::exchange(scrollDirty, false);
            DrawCommentsPageOn(surface, client, 0);
            scrollDirty = dirty;
        }
    } catch (const InvalidArgumentError& e) {
        painter.restore();
        ShowWarning(this, QString::fromUtf8(e.what()));
        return;
    }
    painter.restore();
}

bool CKelraView::PrintTo(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    RenderPrintPage(painter, QRect(0, 0, printer.width(), printer.height()));
    painter.end();
    return true;
}

void CKelraView::OnFilePrint(bool direct) {
    QPrinter printer(QPrinter::HighResolution);
    // Names the job, the PDF's title and the file the dialog suggests.
    printer.setDocName(PrintName());
    if (direct) {
        if (QPrinterInfo::defaultPrinter().isNull()) {
            ShowWarning(this, QStringLiteral("No default printer is installed."));
            return;
        }
    } else {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    if (!PrintTo(printer)) ShowWarning(this, QStringLiteral("The page could not be printed."));
}

void CKelraView::OnFilePrintPreview(int* previewPages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PrintName());
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { PrintTo(*p); });
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    // Through the dialog's own button, so its toolbar shows the mode too.
    const QString pageMode = previewPages && *previewPages == 2 ? QStringLiteral("Show facing pages")
                                                            : QStringLiteral("Show single page");
    for (QAction* action : dialog.findChildren<QAction*>())
        if (action->text() == pageMode) action->trigger();
    dialog.exec();
    if (preview && previewPages)
        *previewPages = preview->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1;
}

}  // namespace kelra
