#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QAbstractScrollArea>
#include <QSize>
#include <QString>

#include "BiorhythmCalc.h"
#include "CycleChart.h"
#include "DayRecord.h"
#include "PersonProfile.h"
#include "Surface.h"

class QPainter;
class QPrinter;
class QRect;

namespace kelra {

class ViewServices;

// The content of a person window: the person's chart with the today
// indicator (mode 0) or the comments page for the current day (mode 1).
// The members below the functions are the view's state as the rest of the
// program reads it: the mode, the person, the days and the chart.
class CKelraView : public QAbstractScrollArea, public ChartHost {
    Q_OBJECT
public:
    // services: what the view asks of the application (recent list, a
    // comments window); a view on its own has none.
    explicit CKelraView(int mode, ViewServices* services = nullptr, QWidget* parent = nullptr);
    ~CKelraView() override;

    // Takes the person from source (the last entered person, or the chart
    // view whose Comments command opens this one) and computes the days; a
    // chart view also fills its chart and repaints.
    void Create(const PersonProfile& source);

    // Series table and title from the profile; makes the chart when missing.
    void BindChart();
    // Rows, today's captions and notes, then one drawing of the chart.
    void FillChartRows();
    // The circle for today's Sum Classical state; window only, never printed.
    void DrawTodayIndicator(QPainter& windowPainter);

    // The whole comments page on the window, at the current scroll position.
    void DrawCommentsPage(QPainter& windowPainter);
    // The same on any surface, for a client area and a vertical scroll position.
    void DrawCommentsPageOn(Surface& s, const Rect& client, int scrollY);
    // One heading or paragraph; y moves below it and one empty line.
    void DrawTextBlock(Surface& s, int x, int& y, std::string text, const Font& font, Rgb colour, int maxChars);

    // The content for a paint: chart and indicator, or the comments page.
    void OnDraw(QPainter& windowPainter);
    // The chart alone on any surface (printing and preview).
    void DrawChartOn(Surface& s);

    Rect FrameClientRect() const override;

    // Commands: Properties, Comments and the print flow.
    void OnProperties();
    void OnComments();
    void OnFilePrint(bool direct);
    void OnFilePrintPreview(int* previewPages);
    // One page: the window's picture scaled to the page's width.
    bool PrintTo(QPrinter& printer);
    void RenderPrintPage(QPainter& painter, const QRect& page);

    // Writes the day table to the data file and tells the user of a failure.
    void ExportDataFile();
    // The window is going: a chart window records its person and writes its
    // data file. Its window calls it once, however it closes.
    void OnDestroy();

    // Writes the chart as the window shows it, at the window's size and the
    // screen's pixel ratio, as PNG, SVG or PDF by the extension. Returns the
    // reason it could not, or nothing.
    QString SaveChartPicture(const QString& path);

    // The day under a point of the window: its date and every shown value;
    // empty outside the plot.
    QString TooltipAt(QPoint pos) const;

    // What a printout of this window is called: its document's title.
    QString PrintName() const;

    // Total size, page and line steps in pixels; the bars follow them.
    void SetScrollSizes(int totalWidth, int totalHeight, QSize page, QSize line);
    QSize ScrollTotalSize() const { return scrollTotal_; }
    QSize ScrollPageSize() const { return scrollPage_; }
    QSize ScrollLineSize() const { return scrollLine_; }

    // Characters per line of the comments page for a client width.
    static int CommentsMaxChars(int clientWidth);

    bool titlePending = true;
    bool scrollDirty = false;
    std::int32_t mode = 0;
    std::string workText;
    PersonProfile profile;
    CBiorhythmCalc calc;
    std::unique_ptr<CycleChart> chart;
    DayRecordArray days;

signals:
    // The first chart drawing names the person (in capitals).
    void titleChanged(const QString& title);
    // A drawing failed with an access outside the chart's tables; sent once
    // per window.
    void drawingFailed(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    // One wheel notch scrolls by one line step.
    void wheelEvent(QWheelEvent* event) override;

private:
    void UpdateBars();

    ViewServices* const services_;
    bool failureReported_ = false;
    int wheelRest_ = 0;  // eighths of a degree not yet scrolled

    QSize scrollTotal_{0, 0};
    QSize scrollPage_{0, 0};
    QSize scrollLine_{0, 0};
    // Indices into the series table of the shown series, as BindChart chose them.
    std::vector<int> shown_;
};

}  // namespace kelra
