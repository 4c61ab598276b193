#include "CKelraView.h"

#include <algorithm>
#include <utility>

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QHelpEvent>
#include <QPen>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include "ChartBinding.h"
#include "Clock.h"
#include "CommentTexts.h"
#include "InvalidArgument.h"
#include "QtSurface.h"
#include "UiHelpers.h"

namespace kelra {
namespace {

// A narrow face: the page's rule of 2.6 characters per 16 pixels leaves about
// six pixels a character, which the ordinary faces overrun.
constexpr const char* kCommentsFace = "Liberation Sans Narrow";
const Font kHeadingFont{kCommentsFace, 22};
const Font kTextFont{kCommentsFace, 16};
const Rgb kParagraphColour{0, 0, 0};

}  // namespace

CKelraView::CKelraView(int viewMode, ViewServices* services, QWidget* parent)
    : QAbstractScrollArea(parent), mode(viewMode), services_(services) {
    // The chart fits the frame's client area, so the view has no border of its own.
    setFrameShape(QFrame::NoFrame);
    // A chart window never scrolls; the comments page sets its own sizes.
    SetScrollSizes(0, 0, QSize(0, 0), QSize(0, 0));
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) {
            const int page = bar == verticalScrollBar() ? scrollPage_.height() : scrollPage_.width();
            const int by = std::max(1, page);
            if (action == QAbstractSlider::SliderPageStepAdd) bar->setSliderPosition(bar->value() + by);
            else if (action == QAbstractSlider::SliderPageStepSub) bar->setSliderPosition(bar->value() - by);
        });
    }
}

CKelraView::~CKelraView() = default;

void CKelraView::Create(const PersonProfile& source) {
    calc.ResetProfile(profile);
    if (mode == 0) chart = std::make_unique<CycleChart>(this);
    calc.CopyProfile(profile, source);
    calc.Compute(days, profile);
    if (mode == 0) {
        BindChart();
        FillChartRows();
        viewport()->repaint();
    }
}

void CKelraView::BindChart() {
    if (!chart) chart = std::make_unique<CycleChart>(this);
    shown_ = BindSeries(*chart, profile);
}

void CKelraView::FillChartRows() {
    if (!chart) BindChart();
    WaitCursor wait;
    FillRows(*chart, days, profile, shown_, Now(), workText);

    // Qt paints widgets only inside paint events, so this drawing goes to an
    // image of the window's size; it runs the autoscale at once, so the
    // options hold the computed range right after the fill.
    {
        QImage image(viewport()->size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtSurface surface(painter);
        chart->Draw(surface);
    }
    viewport()->update();
}

void CKelraView::DrawTodayIndicator(QPainter& windowPainter) {
    const std::string_view state = profile.todayRecord.sumClassicalState.view();
    QColor colour;
    if (state == "High" || state == "Pick") colour = QColor(0, 255, 0);
    else if (state == "Critical") colour = QColor(255, 255, 0);
    else if (state == "Low" || state == "Bottom") colour = QColor(255, 0, 0);
    else return;

    const QRect client = viewport()->rect();
    windowPainter.save();
    windowPainter.setRenderHint(QPainter::Antialiasing, false);
    windowPainter.setPen(QPen(colour, 1, Qt::SolidLine));
    windowPainter.setBrush(colour);
    // Bounded by (20, 20) and (60, 60), right and bottom edges excluded.
    windowPainter.drawEllipse(QRect(client.left() + 20, client.top() + 20, 39, 39));
    windowPainter.restore();
}

int CKelraView::CommentsMaxChars(int clientWidth) {
    return static_cast<int>(clientWidth * 2.6 / 16.0);
}

void CKelraView::DrawCommentsPage(QPainter& windowPainter) {
    QtSurface surface(windowPainter);
    const QRect r = viewport()->rect();
    DrawCommentsPageOn(surface, Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()},
                       verticalScrollBar()->value());
}

void CKelraView::DrawCommentsPageOn(Surface& s, const Rect& client, int scrollY) {
    const int x = client.left + 10;
    const int top = client.top + 10 - scrollY;
    int y = top;
    // A window narrower than 7 pixels would give 0, with which no line can be cut.
    const int maxChars = std::max(1, CommentsMaxChars(client.Width()));

    const StateText states[3] = {profile.todayRecord.physicalState, profile.todayRecord.emotionalState,
                                 profile.todayRecord.intellectualState};
    for (int c = 0; c < 3; ++c) {
        const CommentCycle cycle = static_cast<CommentCycle>(c);
        const CommentSection section = SectionOf(states[c].view());
        if (section == CommentSection::none) continue;
        DrawTextBlock(s, x, y, CommentHeading(cycle, section), kHeadingFont, HeadingColour(section), maxChars);
        DrawTextBlock(s, x, y, CommentParagraph(cycle, section), kTextFont, kParagraphColour, maxChars);
    }

    if (scrollDirty) {
        // 10 above the text, 20 below it, whatever the scroll position.
        const int totalWidth = client.Width() - 20;
        const int totalHeight = 10 + (y - top) + 20;
        const QSize page(totalWidth / 10, totalHeight / 10);
        SetScrollSizes(totalWidth, totalHeight, page, QSize(page.width() / 10, page.height() / 10));
        scrollDirty = false;
    }
}

void CKelraView::DrawTextBlock(Surface& s, int x, int& y, std::string text, const Font& font, Rgb colour,
                               int maxChars) {
    s.SetTextColor(colour);
    const Font previous = s.SelectFont(font);
    std::erase(text, '\t');
    const int lines = CycleChart::WrapText(s, x, y, std::move(text), maxChars, font.height);
    y += (lines + 1) * font.height;
    s.SelectFont(previous);
}

void CKelraView::OnDraw(QPainter& windowPainter) {
    if (mode != 0) {
        DrawCommentsPage(windowPainter);
        return;
    }
    if (titlePending) {
        titlePending = false;
        emit titleChanged(QString::fromStdString(profile.name));
    }
    if (chart) {
        QtSurface surface(windowPainter);
        chart->Draw(surface);
    }
    DrawTodayIndicator(windowPainter);
}

void CKelraView::DrawChartOn(Surface& s) {
    if (chart) chart->Draw(s);
}

Rect CKelraView::FrameClientRect() const {
    const QSize size = parentWidget() ? parentWidget()->contentsRect().size() : viewport()->rect().size();
    return Rect{0, 0, size.width(), size.height()};
}

void CKelraView::SetScrollSizes(int totalWidth, int totalHeight, QSize page, QSize line) {
    scrollTotal_ = QSize(std::max(0, totalWidth), std::max(0, totalHeight));
    scrollPage_ = page;
    scrollLine_ = line;
    UpdateBars();
}

void CKelraView::UpdateBars() {
    const QSize client = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, scrollTotal_.width() - client.width()));
    v->setRange(0, std::max(0, scrollTotal_.height() - client.height()));
    // Qt sizes the thumb by the page step: the visible part, as the platform's
    // bars show it. A click beside the thumb still moves by the page size.
    h->setPageStep(std::max(1, client.width()));
    v->setPageStep(std::max(1, client.height()));
    h->setSingleStep(std::max(1, scrollLine_.width()));
    v->setSingleStep(std::max(1, scrollLine_.height()));
}

void CKelraView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    try {
        OnDraw(painter);
    } catch (const InvalidArgumentError& e) {
        // A paint must survive a broken table; a failing picture would fail
        // at every repaint, so the window hears of it once.
        if (!std::exchange(failureReported_, true)) emit drawingFailed(QString::fromUtf8(e.what()));
    }
}

void CKelraView::resizeEvent(QResizeEvent* event) {
    scrollDirty = true;
    QAbstractScrollArea::resizeEvent(event);
}

QString CKelraView::TooltipAt(QPoint pos) const {
    const std::optional<int> row = chart && mode == 0 ? chart->RowAt(pos.x(), pos.y()) : std::nullopt;
    return row ? QString::fromStdString(RowTooltip(*chart, days, shown_, *row)) : QString();
}

void CKelraView::wheelEvent(QWheelEvent* event) {
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRest_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() - notches * bar->singleStep());
    event->accept();
}

bool CKelraView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // Any day's values under the pointer, through the chart's own mapping.
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = TooltipAt(help->pos());
        if (text.isEmpty()) QToolTip::hideText();
        else QToolTip::showText(help->globalPos(), text, viewport());
        return true;
    }
    // The client area also changes when a scroll bar comes or goes.
    if (event->type() == QEvent::Resize) {
        scrollDirty = true;
        UpdateBars();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace kelra
