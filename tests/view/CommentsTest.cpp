#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CKelraView.h"
#include "CommentTexts.h"
#include "QtSurface.h"
#include "RecordingSurface.h"

namespace kelra {
namespace {

// The texts of a recording with the colour and font each was drawn in.
struct TextRecorder : RecordingSurface {
    struct Text {
        int x, y;
        std::string text;
        Rgb colour;
        Font font;
    };
    std::vector<Text> Drawn() const {
        std::vector<Text> out;
        for (const Op* op : Texts()) out.push_back({op->a, op->b, op->text, op->textColor, FontOf(*op)});
        return out;
    }
};

std::string WithoutTabs(std::string s) {
    std::erase(s, '\t');
    return s;
}

// The wrapped lines joined again, one blank between lines.
std::string Joined(const std::vector<TextRecorder::Text>& lines, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to; ++i) out += (i > from ? " " : "") + lines[i].text;
    return out;
}

const Rgb kGreen{0, 230, 0}, kYellow{239, 230, 0}, kRed{230, 0, 0}, kBlack{0, 0, 0};

TEST(CommentsTest, SectionsInCycleOrderWithTheirColours) {
    CKelraView view(1);
    view.profile.showPhysical = false;  // switches play no part
    view.profile.todayRecord.physicalState = StateText::kPick;
    view.profile.todayRecord.emotionalState = StateText::kCritical;
    view.profile.todayRecord.intellectualState = StateText::kBottom;
    TextRecorder s;
    view.DrawCommentsPageOn(s, Rect{0, 0, 615, 400}, 0);
    const auto texts = s.Drawn();

    const struct {
        const char* heading;
        Rgb colour;
        const char* paragraph;
    } expected[] = {
        {"Physical High:", kGreen, CommentParagraph(CommentCycle::physical, CommentSection::high)},
        {"Emotional Critical:", kYellow, CommentParagraph(CommentCycle::emotional, CommentSection::critical)},
        {"Intellectual Low:", kRed, CommentParagraph(CommentCycle::intellectual, CommentSection::low)},
    };
    std::size_t i = 0;
    int y = 10;
    for (const auto& e : expected) {
        ASSERT_LT(i, texts.size());
        const auto& h = texts[i];
        EXPECT_EQ(h.text, e.heading);
        EXPECT_EQ(h.colour, e.colour);
        EXPECT_EQ(h.font.height, 22);
        EXPECT_EQ(h.font.face, texts[i + 1].font.face);  // one face for the page
        EXPECT_EQ(h.x, 10);
        EXPECT_EQ(h.y, y);
        y += 44;  // a one-line heading and its empty line
        std::size_t end = ++i;
        while (end < texts.size() && texts[end].font.height == 16) {
            EXPECT_EQ(texts[end].colour, kBlack);
            EXPECT_EQ(texts[end].y, y + 16 * static_cast<int>(end - i));
            EXPECT_LE(texts[end].text.size(), 99u);
            EXPECT_EQ(texts[end].text.find('\t'), std::string::npos);
            ++end;
        }
        EXPECT_EQ(Joined(texts, i, end), WithoutTabs(e.paragraph)) << e.heading;
        y += 16 * static_cast<int>(end - i + 1);  // n lines and one more
        i = end;
    }
    EXPECT_EQ(i, texts.size());
    EXPECT_EQ(s.CurrentFont(), Font{});  // the previous font is back
}

TEST(CommentsTest, MaxCharsFromTheClientWidth) {
    EXPECT_EQ(CKelraView::CommentsMaxChars(615), 99);
    EXPECT_EQ(CKelraView::CommentsMaxChars(800), 130);
    EXPECT_EQ(CKelraView::CommentsMaxChars(6), 0);
    EXPECT_EQ(CKelraView::CommentsMaxChars(7), 1);

    // Too narrow for one character: the page still ends, a character a line.
    CKelraView view(1);
    view.profile.todayRecord.physicalState = StateText::kHigh;
    TextRecorder s;
    view.DrawCommentsPageOn(s, Rect{0, 0, 6, 100}, 0);
    ASSERT_FALSE(s.Texts().empty());
    for (const auto& t : s.Drawn()) EXPECT_LE(t.text.size(), 1u);
}

TEST(CommentsTest, ScrollHeightFitsTheTextAtAnyScrollPosition) {
    CKelraView view(1);
    view.profile.todayRecord.physicalState = StateText::kLow;
    view.profile.todayRecord.intellectualState = StateText::kHigh;
    TextRecorder s;
    view.scrollDirty = true;
    view.DrawCommentsPageOn(s, Rect{0, 0, 400, 300}, 0);
    EXPECT_FALSE(view.scrollDirty);
    const int lines16 = static_cast<int>(s.Texts().size()) - 2;
    const int height = 10 + 2 * 44 + (lines16 + 2) * 16 + 20;
    EXPECT_EQ(view.ScrollTotalSize(), QSize(380, height));
    EXPECT_EQ(view.ScrollPageSize(), QSize(38, height / 10));
    EXPECT_EQ(view.ScrollLineSize(), QSize(3, height / 100));

    view.SetScrollSizes(0, 0, QSize(), QSize());
    view.scrollDirty = true;
    view.DrawCommentsPageOn(s, Rect{0, 0, 400, 300}, 250);
    EXPECT_EQ(view.ScrollTotalSize(), QSize(380, height));

    // Without a resize the sizes stay as they are.
    view.profile.todayRecord.emotionalState = StateText::kLow;
    view.DrawCommentsPageOn(s, Rect{0, 0, 400, 300}, 0);
    EXPECT_EQ(view.ScrollTotalSize(), QSize(380, height));
}

TEST(CommentsTest, BlankPageAfterAResizeIsThirtyHigh) {
    CKelraView view(1);
    view.resize(500, 300);
    view.show();
    EXPECT_TRUE(view.scrollDirty);
    (void)view.grab();
    EXPECT_FALSE(view.scrollDirty);
    EXPECT_EQ(view.ScrollTotalSize(), QSize(view.viewport()->width() - 20, 30));
    EXPECT_FALSE(view.verticalScrollBar()->isVisible());
}

TEST(CommentsTest, LongPageScrollsInTheWindow) {
    CKelraView view(1);
    view.profile.todayRecord.physicalState = StateText::kHigh;
    view.profile.todayRecord.emotionalState = StateText::kHigh;
    view.profile.todayRecord.intellectualState = StateText::kHigh;
    view.resize(300, 200);
    view.show();
    (void)view.grab();
    QCoreApplication::processEvents();
    (void)view.grab();  // the bar that came shrinks the client; the next paint refits
    const int total = view.ScrollTotalSize().height();
    EXPECT_GT(total, 200);
    EXPECT_TRUE(view.verticalScrollBar()->isVisible());
    EXPECT_EQ(view.verticalScrollBar()->maximum(), total - view.viewport()->height());
    EXPECT_FALSE(view.horizontalScrollBar()->isVisible());
}

TEST(CommentsTest, ParagraphsArePlainProseOfTheRightLength) {
    for (int c = 0; c < 3; ++c) {
        for (CommentSection section : {CommentSection::high, CommentSection::critical, CommentSection::low}) {
            const std::string text = CommentParagraph(static_cast<CommentCycle>(c), section);
            const std::size_t length = WithoutTabs(text).size();
            EXPECT_GE(length, 300u);
            EXPECT_LE(length, 1500u);
            // Tab runs of two or three, each after a blank.
            for (std::size_t p = text.find('\t'); p != std::string::npos; p = text.find('\t', p)) {
                const std::size_t run = text.find_first_not_of('\t', p) - p;
                EXPECT_TRUE(run == 2 || run == 3);
                EXPECT_EQ(text[p - 1], ' ');
                p += run;
            }
            EXPECT_NE(text.find("\t\t"), std::string::npos);
        }
    }
    EXPECT_EQ(SectionOf("pick"), CommentSection::none);
    EXPECT_EQ(SectionOf(""), CommentSection::none);
}

}  // namespace
}  // namespace kelra

namespace kelra {
namespace {

TEST(CommentsScroll, OpensAtTheTopAndMovesByLineAndPage) {
    CKelraView view(1);
    view.profile.todayRecord.physicalState = view.profile.todayRecord.emotionalState =
        view.profile.todayRecord.intellectualState = StateText::kHigh;
    view.resize(400, 200);
    view.show();
    (void)view.grab();  // the first paint sets the scroll sizes
    QScrollBar* bar = view.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->pageStep(), view.viewport()->height());  // the thumb shows the visible part
    const QPointF at(50, 50);
    QWheelEvent notch(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view.viewport(), &notch);
    const int line = view.ScrollLineSize().height();
    EXPECT_EQ(bar->value(), line);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->value(), line + view.ScrollPageSize().height());
}

// Every line of the nine paragraphs, wrapped by the page's rule, measured in
// the real font, ends inside the client area at every width.
TEST(CommentsFit, EveryLineEndsInsideTheClientArea) {
    CKelraView view(1);
    const StateText all[] = {StateText::kHigh, StateText::kCritical, StateText::kLow};
    for (const StateText state : all) {
        view.profile.todayRecord.physicalState = view.profile.todayRecord.emotionalState =
            view.profile.todayRecord.intellectualState = state;
        for (int width = 300; width <= 2000; ++width) {
            TextRecorder s;
            view.DrawCommentsPageOn(s, Rect{0, 0, width, 400}, 0);
            for (const auto& t : s.Drawn()) {
                const QFontMetrics metrics(QtSurface::ToQFont(t.font));
                const int right = t.x + metrics.horizontalAdvance(QString::fromStdString(t.text));
                ASSERT_LE(right, width) << "at " << width << " px: \"" << t.text << '"';
            }
        }
    }
}

}  // namespace
}  // namespace kelra
