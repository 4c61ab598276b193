#include <QAction>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QLabel>
#include <QHelpEvent>
#include <QToolTip>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "AppTestSupport.h"
#include "CKelraView.h"
#include "ChildFrame.h"
#include "CommandIds.h"
#include "KelraDoc.h"
#include "LockKeys.h"
#include "MainFrame.h"

using namespace kelra;
using kelra::test::AppTest;
using kelra::test::WithModal;

namespace {

QStringList MenuTexts(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QMenu* TopMenu(CMainFrame* frame, const QString& title) {
    for (QAction* a : frame->menuBar()->actions())
        if (a->text() == title) return a->menu();
    return nullptr;
}

void PressButton(QDialog* dlg, int id) {
    auto* button = dlg->findChild<QPushButton*>(QString::number(id));
    ASSERT_NE(button, nullptr);
    button->click();
}

class MainFrameTest : public AppTest {
protected:
    CMainFrame* Frame() { return app_->MainFrame(); }
    QList<QMdiSubWindow*> Windows() { return Frame()->MdiArea()->subWindowList(); }
    CKelraView* ActiveView() { return Frame()->ActiveView(); }
    QStringList Recent() { return app_->RecentFiles().Entries(); }
    QString EntryPath(const QString& text) { return QDir::toNativeSeparators(Dir()) + QDir::separator() + text; }

    // New Person with a name typed into the dialog, then OK.
    void NewPerson(const QString& name) {
        WithModal([&] { Frame()->ExecuteCommand(ID_NEW_PERSON); },
                  [&](QDialog* dlg) {
                      auto* edit = dlg->findChild<QLineEdit*>(QStringLiteral("1000"));
                      ASSERT_NE(edit, nullptr);
                      edit->setText(name);
                      PressButton(dlg, 1);
                  });
        QApplication::processEvents();
    }
    void Paint() {
        for (QMdiSubWindow* w : Windows()) static_cast<QAbstractScrollArea*>(w->widget())->viewport()->repaint();
        QApplication::processEvents();
    }
};

}  // namespace

TEST_F(MainFrameTest, FirstStartWithAnEmptyStoreShowsGreyedRecentFile) {
    Start();
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("Kelra"));
    QMenu* file = TopMenu(Frame(), QStringLiteral("&File"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(MenuTexts(file), (QStringList{"New Person", "-", "Recent File", "-", "&Close", "E&xit"}));
    EXPECT_FALSE(file->actions()[2]->isEnabled());
    EXPECT_EQ(Frame()->menuBar()->actions().size(), 3);
    EXPECT_TRUE(Windows().isEmpty());
    EXPECT_EQ(Frame()->IdleText(), QStringLiteral(" "));
    // Inactive keys exist and do nothing.
    ASSERT_NE(Frame()->Action(ID_EDIT_COPY), nullptr);
    EXPECT_FALSE(Frame()->Action(ID_EDIT_COPY)->isEnabled());
    EXPECT_EQ(Frame()->ToolBar()->actions().size(), 3);
}

TEST_F(MainFrameTest, NewPersonOpensAChartWindowTitledInCapitals) {
    Start();
    NewPerson(QStringLiteral("Newborn"));
    ASSERT_EQ(Windows().size(), 1);
    EXPECT_EQ(Recent(), QStringList{EntryPath(QStringLiteral("Newborn, 06 Dec 2026"))});
    Paint();
    EXPECT_EQ(Windows()[0]->windowTitle(), QStringLiteral("NEWBORN"));
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("Kelra - NEWBORN"));
    EXPECT_EQ(Windows()[0]->height(), 450);
    // The child menus with the recent entry in place of "Recent File".
    QMenu* file = TopMenu(Frame(), QStringLiteral("&File"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(MenuTexts(file), (QStringList{"New Person", "&Close", "-", "&1 Newborn, 06 Dec 2026", "-", "E&xit"}));
    EXPECT_EQ(Frame()->menuBar()->actions().size(), 4);
}

TEST_F(MainFrameTest, CancelledNewPersonLeavesTheDefaultsForCtrlN) {
    Start();
    NewPerson(QStringLiteral("Alice"));
    WithModal([&] { Frame()->ExecuteCommand(ID_NEW_PERSON); },
              [&](QDialog* dlg) {
                  dlg->findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QStringLiteral("Bob"));
                  PressButton(dlg, 2);
              });
    EXPECT_EQ(Windows().size(), 1);
    Frame()->ExecuteCommand(ID_FILE_NEW);
    ASSERT_EQ(Windows().size(), 2);
    EXPECT_EQ(ActiveView()->profile.name, "NEWBORN");
    EXPECT_EQ(Recent().size(), 1);  // Ctrl+N gives no path
    Paint();
    EXPECT_EQ(ActiveView()->profile.birthDate, DateTime(2026, 12, 6, 10, 30, 0));
}

TEST_F(MainFrameTest, TwoNewPersonsWithTheSameNameMakeTwoWindowsAndOneEntry) {
    Start();
    NewPerson(QStringLiteral("Ann"));
    NewPerson(QStringLiteral("Ann"));
    EXPECT_EQ(Windows().size(), 2);
    EXPECT_EQ(Recent(), QStringList{EntryPath(QStringLiteral("Ann, 06 Dec 2026"))});
}

TEST_F(MainFrameTest, ReopeningEntriesAndOpenWindows) {
    Start();
    app_->RecentFiles().Add(EntryPath(QStringLiteral("Smith, John, 06 Dec 2026")));
    app_->RecentFiles().Add(EntryPath(QStringLiteral("Newborn, 06 Dec 2026")));
    Frame()->RebuildRecentMenus();

    Frame()->ExecuteCommand(ID_FILE_MRU_FIRST);  // Newborn
    ASSERT_EQ(Windows().size(), 1);
    EXPECT_EQ(ActiveView()->profile.name, "NEWBORN");
    EXPECT_EQ(ActiveView()->profile.birthDate, DateTime(2026, 12, 6, 0, 0, 0));
    EXPECT_EQ(Recent(), QStringList{EntryPath(QStringLiteral("Smith, John, 06 Dec 2026"))});

    Frame()->ExecuteCommand(ID_FILE_MRU_FIRST);  // a name with a comma
    ASSERT_EQ(Windows().size(), 2);
    EXPECT_EQ(ActiveView()->profile.name, "SMITH, JOHN");
    EXPECT_TRUE(Recent().isEmpty());

    // Closing the reopened window brings the person back to the top, in capitals.
    Windows()[1]->close();
    QApplication::processEvents();
    EXPECT_EQ(Recent(), QStringList{EntryPath(QStringLiteral("SMITH, JOHN, 06 Dec 2026"))});

    // An entry whose New Person window is still open activates that window.
    NewPerson(QStringLiteral("Carol"));
    const auto before = Windows().size();
    Frame()->MdiArea()->setActiveSubWindow(Windows()[0]);
    const int carol = app_->RecentFiles().IndexOf(EntryPath(QStringLiteral("Carol, 06 Dec 2026")));
    ASSERT_GE(carol, 0);
    Frame()->ExecuteCommand(ID_FILE_MRU_FIRST + carol);
    EXPECT_EQ(Windows().size(), before);
    EXPECT_EQ(ActiveView()->profile.name, "CAROL");
    EXPECT_GE(app_->RecentFiles().IndexOf(EntryPath(QStringLiteral("Carol, 06 Dec 2026"))), 0);

    // Ctrl+O reopens from a file's name without reading it.
    Frame()->fileDialog = [&](bool, const QString&) { return EntryPath(QStringLiteral("Dora, 01 Feb 1990")); };
    Frame()->ExecuteCommand(ID_FILE_OPEN);
    EXPECT_EQ(ActiveView()->profile.name, "DORA");
    EXPECT_EQ(ActiveView()->profile.birthDate, DateTime(1990, 2, 1));
}

TEST_F(MainFrameTest, CommentsWindowTakesItsSourcesPerson) {
    Start();
    NewPerson(QStringLiteral("Ann"));
    CKelraView* ann = ActiveView();
    NewPerson(QStringLiteral("Bob"));
    Frame()->MdiArea()->setActiveSubWindow(Windows()[0]);
    ASSERT_EQ(ActiveView(), ann);
    Frame()->ExecuteCommand(ID_COMMENTS);
    ASSERT_EQ(Windows().size(), 3);
    CKelraView* comments = ActiveView();
    EXPECT_EQ(comments->mode, 1);
    EXPECT_EQ(comments->profile.name, "ANN");
    EXPECT_EQ(Windows()[2]->windowTitle(), QStringLiteral("Today's Comments for ANN"));
    EXPECT_EQ(Windows()[2]->width(), 700);
    // Comments in a comments window does nothing.
    Frame()->ExecuteCommand(ID_COMMENTS);
    EXPECT_EQ(Windows().size(), 3);
    // Closing it records no one.
    const QStringList before = Recent();
    Windows()[2]->close();
    QApplication::processEvents();
    EXPECT_EQ(Recent(), before);
}

TEST_F(MainFrameTest, PropertiesOkRecomputesAndCancelKeepsTheProfile) {
    Start();
    NewPerson(QStringLiteral("Ann"));
    CKelraView* view = ActiveView();
    const int series = view->chart->SeriesCount();
    WithModal([&] { Frame()->ExecuteCommand(ID_PROPERTIES); },
              [&](QDialog* dlg) {
                  dlg->findChild<QCheckBox*>(QStringLiteral("527"))->setChecked(true);
                  PressButton(dlg, 2);
              });
    EXPECT_FALSE(view->profile.showIntuitional);
    EXPECT_EQ(view->chart->SeriesCount(), series);
    WithModal([&] { Frame()->ExecuteCommand(ID_PROPERTIES); },
              [&](QDialog* dlg) {
                  dlg->findChild<QCheckBox*>(QStringLiteral("527"))->setChecked(true);
                  PressButton(dlg, 1);
              });
    EXPECT_TRUE(view->profile.showIntuitional);
    EXPECT_EQ(view->chart->SeriesCount(), series + 1);
    EXPECT_FALSE(QDir(Dir()).exists(QStringLiteral("Biorythms")));  // Properties never writes the file
}

TEST_F(MainFrameTest, ClosingAChartWindowWritesItsDataFile) {
    Start();
    NewPerson(QStringLiteral("Ann"));
    ActiveView()->profile.writeDataFile = true;
    Frame()->ExecuteCommand(ID_FILE_CLOSE);
    QApplication::processEvents();
    EXPECT_TRUE(Windows().isEmpty());
    QFile file(QDir(Dir()).filePath(QStringLiteral("Biorythms/12_06_2026_ann.txt")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 3 + 31);
    EXPECT_TRUE(warnings_.isEmpty());
    EXPECT_EQ(Frame()->menuBar()->actions().size(), 3);  // back to the empty menus
}

TEST_F(MainFrameTest, RecentListSurvivesARestartAndHoldsFifteen) {
    Start();
    for (int i = 0; i < 17; ++i) app_->RecentFiles().Add(EntryPath(QStringLiteral("P%1, 01 Jan 2000").arg(i)));
    NewPerson(QStringLiteral("Last"));  // open at exit: recorded when it closes
    Exit();
    Start();
    ASSERT_EQ(Recent().size(), 15);
    EXPECT_EQ(Recent()[0], EntryPath(QStringLiteral("LAST, 06 Dec 2026")));
    EXPECT_EQ(Recent()[1], EntryPath(QStringLiteral("P16, 01 Jan 2000")));
}

TEST_F(MainFrameTest, PrintingToPdfGivesOnePageWithTheChartAcrossIt) {
    Start();
    NewPerson(QStringLiteral("Ann"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QDir(Dir()).filePath(QStringLiteral("chart.pdf"));
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(ActiveView()->PrintTo(printer));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);

    // Rendered onto an image the size of a page, the frame spans the width.
    QImage page(1200, 1600, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    ActiveView()->RenderPrintPage(painter, page.rect());
    painter.end();
    int left = page.width(), right = -1;
    for (int x = 0; x < page.width(); ++x)
        for (int y = 0; y < page.height(); y += 4)
            if (qGray(page.pixel(x, y)) < 100) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_LT(left, page.width() / 20);
    EXPECT_GT(right, page.width() * 19 / 20);
}

TEST_F(MainFrameTest, NewWindowSaveAndHelp) {
    Start();
    NewPerson(QStringLiteral("Ann"));
    Paint();
    // New Window: a second view of the document; the first window keeps the
    // title, the second adds ":2", the main caption names the document.
    Frame()->ExecuteCommand(ID_WINDOW_NEW);
    ASSERT_EQ(Windows().size(), 2);
    EXPECT_EQ(Windows()[0]->windowTitle(), QStringLiteral("ANN"));
    EXPECT_EQ(Windows()[1]->windowTitle(), QStringLiteral("ANN:2"));
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("Kelra - ANN"));
    Windows()[1]->close();
    QApplication::processEvents();
    EXPECT_EQ(Windows()[0]->windowTitle(), QStringLiteral("ANN"));

    // Ctrl+S asks for a name and writes an empty file, which enters the list.
    const QString saved = QDir(Dir()).filePath(QStringLiteral("saved person"));
    Frame()->fileDialog = [&](bool save, const QString&) { return save ? saved : QString(); };
    Frame()->ExecuteCommand(ID_FILE_SAVE);
    EXPECT_TRUE(QFileInfo::exists(saved));
    EXPECT_EQ(QFileInfo(saved).size(), 0);
    EXPECT_EQ(Recent().first(), saved);
    EXPECT_EQ(Windows()[0]->windowTitle(), QStringLiteral("saved person"));

    // No help file beside the test program: the user is told so.
    Frame()->ExecuteCommand(ID_HELP);
    ASSERT_EQ(warnings_.size(), 1);
    EXPECT_TRUE(warnings_[0].startsWith(QStringLiteral("No help file is installed")));
}

TEST_F(MainFrameTest, AnInvalidArgumentInADrawingIsToldOnceAndKelraGoesOn) {
    Start();
    NewPerson(QStringLiteral("Ann"));
    ActiveView()->chart->SetColumnCount(99);  // more columns than series
    Paint();
    Paint();
    EXPECT_EQ(warnings_, QStringList{QStringLiteral("An invalid argument was encountered.")});
    NewPerson(QStringLiteral("Bob"));
    EXPECT_EQ(Windows().size(), 2);
}

TEST_F(MainFrameTest, EndingWithWindowsOpenTearsThemDownWhileTheFrameIsWhole) {
    // Without a close event the frame's end takes the windows with it; their
    // teardown reports to the frame, which must still be whole (the sanitizer
    // build sees any use of a half-destroyed one).
    Start();
    NewPerson(QStringLiteral("Ann"));
    ActiveView()->profile.writeDataFile = true;
    Frame()->ExecuteCommand(ID_COMMENTS);
    app_.reset();
    EXPECT_TRUE(QFileInfo::exists(QDir(Dir()).filePath(QStringLiteral("Biorythms/12_06_2026_ann.txt"))));
}

TEST_F(MainFrameTest, PrintingACommentsPageLeavesTheWindowsScrollingAlone) {
    Start();
    NewPerson(QStringLiteral("Ann"));
    Frame()->ExecuteCommand(ID_COMMENTS);
    CKelraView* comments = ActiveView();
    ASSERT_EQ(comments->mode, 1);
    comments->scrollDirty = true;
    QImage page(800, 1000, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    comments->RenderPrintPage(painter, page.rect());
    painter.end();
    EXPECT_TRUE(comments->scrollDirty);
    int dark = 0;  // the headings and paragraphs reached the page
    for (int y = 0; y < page.height(); y += 2)
        for (int x = 0; x < page.width(); x += 2) dark += qGray(page.pixel(x, y)) < 128;
    EXPECT_GT(dark, 500);
}

TEST_F(MainFrameTest, WindowMenuCascadeAndTheToolbarTick) {
    Start();
    Frame()->show();
    NewPerson(QStringLiteral("Ann"));
    NewPerson(QStringLiteral("Bob"));
    Paint();
    Frame()->ExecuteCommand(ID_WINDOW_CASCADE);
    const QSize size = Frame()->DefaultChildSize();
    for (QMdiSubWindow* w : Windows()) EXPECT_EQ(w->size(), size);  // readable, not shrunk
    EXPECT_NE(Windows()[0]->pos(), Windows()[1]->pos());

    QMenu* window = TopMenu(Frame(), QStringLiteral("&Window"));
    ASSERT_NE(window, nullptr);
    emit window->aboutToShow();
    const QStringList texts = MenuTexts(window);
    EXPECT_EQ(texts.mid(0, 4), (QStringList{"&New Window", "&Cascade", "&Tile", "&Arrange Icons"}));
    EXPECT_TRUE(texts.contains(QStringLiteral("&1 ANN")));
    EXPECT_TRUE(texts.contains(QStringLiteral("&2 BOB")));
    emit window->aboutToShow();  // rebuilt, not doubled
    EXPECT_EQ(MenuTexts(window).size(), texts.size());

    Frame()->ToolBar()->hide();
    EXPECT_FALSE(Frame()->Action(ID_VIEW_TOOLBAR)->isChecked());
    Frame()->Action(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_TRUE(Frame()->ToolBar()->isVisible());
    EXPECT_TRUE(Frame()->Action(ID_VIEW_TOOLBAR)->isChecked());
}

TEST_F(MainFrameTest, AcceleratorsReachTheirCommands) {
    Start();
    Frame()->show();
    QApplication::setActiveWindow(Frame());
    QTest::keyClick(Frame(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(Windows().size(), 1);
    EXPECT_EQ(ActiveView()->profile.name, "NEWBORN");
    QTest::keyClick(Frame(), Qt::Key_F6);  // present, inactive
    QTest::keyClick(Frame(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Windows().size(), 1);
    EXPECT_TRUE(warnings_.isEmpty());
    QTest::keyClick(Frame(), Qt::Key_F1);
    EXPECT_EQ(warnings_.size(), 1);  // no help file beside the test program
}

TEST_F(MainFrameTest, CaptionFollowsTheActiveWindowInEveryOrder) {
    Start();
    Frame()->show();
    NewPerson(QStringLiteral("Ben"));
    Paint();
    auto expectCaption = [&](const char* step) {
        auto* active = Frame()->MdiArea()->activeSubWindow();
        const QString title = active ? static_cast<CChildFrame*>(active)->Document()->GetTitle() : QString();
        const QString want = !active              ? QStringLiteral("Kelra")
                             : active->isMaximized() ? QStringLiteral("Kelra - [%1]").arg(title)
                                                     : QStringLiteral("Kelra - %1").arg(title);
        QApplication::processEvents();
        EXPECT_EQ(Frame()->windowTitle(), want) << step;
    };
    Windows()[0]->showMaximized();
    expectCaption("maximised");
    Frame()->ExecuteCommand(ID_WINDOW_NEW);
    expectCaption("new window");
    Frame()->MdiArea()->activateNextSubWindow();
    expectCaption("next window");
    Frame()->ExecuteCommand(ID_COMMENTS);
    expectCaption("comments");
    Frame()->MdiArea()->activateNextSubWindow();
    expectCaption("back to a chart");
    Frame()->MdiArea()->activeSubWindow()->showNormal();
    expectCaption("restored");
    Frame()->ActiveDocument()->SetTitle(QStringLiteral("RENAMED"));
    expectCaption("retitled");
    Frame()->MdiArea()->activeSubWindow()->showMaximized();
    Frame()->MdiArea()->activeSubWindow()->close();
    expectCaption("closed");
    Frame()->ExecuteCommand(ID_FILE_CLOSE);
    Frame()->ExecuteCommand(ID_FILE_CLOSE);
    expectCaption("all closed");
    EXPECT_TRUE(Frame()->MdiArea()->subWindowList().isEmpty() || Frame()->MdiArea()->activeSubWindow());
}

TEST_F(MainFrameTest, SaveChartAsWritesEachKindAndReportsWhatCannotBeWritten) {
    Start();
    Frame()->show();
    NewPerson(QStringLiteral("Ann"));
    Paint();
    const QSize client = ActiveView()->viewport()->size();
    QString asked;
    QString answer;
    Frame()->fileDialog = [&](bool save, const QString& suggested) {
        EXPECT_TRUE(save);
        asked = suggested;
        return answer;
    };
    for (const char* name : {"ann.png", "ann.SVG", "ann.pdf", "ann"}) {
        answer = QDir(Dir()).filePath(QString::fromLatin1(name));
        Frame()->SaveChartAction()->trigger();
    }
    EXPECT_EQ(asked, QDir(Dir()).filePath(QStringLiteral("ANN.png")));
    const QImage png(QDir(Dir()).filePath(QStringLiteral("ann.png")));
    EXPECT_EQ(png.size(), client * ActiveView()->devicePixelRatioF());
    QFile svg(QDir(Dir()).filePath(QStringLiteral("ann.SVG")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    QFile pdf(QDir(Dir()).filePath(QStringLiteral("ann.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_TRUE(QFileInfo::exists(QDir(Dir()).filePath(QStringLiteral("ann.png"))));  // no extension: PNG
    EXPECT_TRUE(warnings_.isEmpty());

    answer = QDir(Dir()).filePath(QStringLiteral("no such folder/ann.png"));
    Frame()->SaveChartAction()->trigger();
    ASSERT_EQ(warnings_.size(), 1);
    EXPECT_TRUE(warnings_[0].contains(QStringLiteral("ann.png"))) << warnings_[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(answer));

    Frame()->ExecuteCommand(ID_COMMENTS);  // a comments window has no chart to save
    EXPECT_FALSE(Frame()->SaveChartAction()->isEnabled());
}

TEST_F(MainFrameTest, HoveringThePlotShowsThatDaysValues) {
    Start();
    Frame()->show();
    NewPerson(QStringLiteral("Ann"));
    Paint();
    CKelraView* view = ActiveView();
    const Rect plot = view->chart->plotRect;
    const QPoint firstDay(plot.left, plot.bottom - 1);
    QHelpEvent help(QEvent::ToolTip, firstDay, view->viewport()->mapToGlobal(firstDay));
    QApplication::sendEvent(view->viewport(), &help);
    ASSERT_TRUE(QToolTip::isVisible());
    const QString first = QToolTip::text();
    EXPECT_TRUE(first.startsWith(QString::fromStdString(view->days[0].date.Format("%x")) + QLatin1Char('\n')))
        << first.toStdString();
    EXPECT_TRUE(first.contains(QStringLiteral("Physical    ")));
    EXPECT_TRUE(view->TooltipAt(QPoint(plot.right + 5, plot.bottom - 1)).isEmpty());  // the legend is no day
    QToolTip::hideText();
}

TEST_F(MainFrameTest, KeysAndSizesOfTheWindows) {
    Start();
    Frame()->show();
    QApplication::setActiveWindow(Frame());
    const QRect room = Frame()->screen()->availableGeometry();
    EXPECT_LE(Frame()->width(), room.width());
    EXPECT_LE(Frame()->height(), room.height());
    NewPerson(QStringLiteral("Ann"));
    NewPerson(QStringLiteral("Bob"));
    Paint();
    QApplication::setActiveWindow(Frame());
    QMdiSubWindow* bob = Frame()->MdiArea()->activeSubWindow();
    QTest::keyClick(Frame(), Qt::Key_F6, Qt::ControlModifier);
    EXPECT_NE(Frame()->MdiArea()->activeSubWindow(), bob);
    QTest::keyClick(Frame(), Qt::Key_F4, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_EQ(Windows().size(), 1);
    EXPECT_EQ(Windows()[0], bob);
    // A chart window keeps its labels apart: it cannot get smaller than this.
    bob->resize(50, 40);
    EXPECT_GE(bob->widget()->width(), CChildFrame::kMinimumClient.width());
    EXPECT_GE(bob->widget()->height(), CChildFrame::kMinimumClient.height());
    // Lock panes: blank where the platform cannot say, the text while a lock is on.
    auto* caps = Frame()->statusBar()->findChild<QLabel*>(QStringLiteral("CAP"));
    ASSERT_NE(caps, nullptr);
    EXPECT_TRUE(caps->text().isEmpty());
    Frame()->ShowLockKeys(LockKeys{true, false, false});
    EXPECT_EQ(caps->text(), QStringLiteral("CAP"));
    EXPECT_TRUE(Frame()->statusBar()->findChild<QLabel*>(QStringLiteral("NUM"))->text().isEmpty());
}

TEST_F(MainFrameTest, PreviewOpensInTheStoredPageModeAndPrintoutsCarryTheTitle) {
    Start();
    NewPerson(QStringLiteral("Ann"));
    Paint();
    EXPECT_EQ(ActiveView()->PrintName(), QStringLiteral("ANN"));
    for (int pages : {2, 1}) {
        app_->previewPages = pages;
        WithModal([&] { Frame()->ExecuteCommand(ID_FILE_PRINT_PREVIEW); },
                  [&](QDialog* dlg) {
                      auto* preview = dlg->findChild<QPrintPreviewWidget*>();
                      ASSERT_NE(preview, nullptr);
                      EXPECT_EQ(preview->viewMode(), pages == 2 ? QPrintPreviewWidget::FacingPagesView
                                                                : QPrintPreviewWidget::SinglePageView);
                      int facing = 0;
                      for (QAction* a : dlg->findChildren<QAction*>()) {
                          if (a->text() != QStringLiteral("Show facing pages")) continue;
                          ++facing;
                          EXPECT_EQ(a->isChecked(), pages == 2);
                      }
                      EXPECT_EQ(facing, 1);
                      dlg->reject();
                  });
        EXPECT_EQ(app_->previewPages, pages);
    }
}


TEST_F(MainFrameTest, EveryOpenerLeavesTheModeAtZeroAndEachWindowItsKind) {
    Start();
    EXPECT_EQ(nextViewMode, 0);
    NewPerson(QStringLiteral("Ann"));
    EXPECT_EQ(nextViewMode, 0);
    Frame()->ExecuteCommand(ID_COMMENTS);
    EXPECT_EQ(nextViewMode, 0);
    EXPECT_EQ(ActiveView()->mode, 1);
    Frame()->ExecuteCommand(ID_WINDOW_NEW);  // of the comments window: comments again, Ann's
    EXPECT_EQ(nextViewMode, 0);
    EXPECT_EQ(ActiveView()->mode, 1);
    EXPECT_EQ(ActiveView()->profile.name, "ANN");
    Frame()->ExecuteCommand(ID_FILE_NEW);
    EXPECT_EQ(nextViewMode, 0);
    EXPECT_EQ(ActiveView()->mode, 0);
    EXPECT_EQ(Frame()->MdiArea()->activeSubWindow()->height(), 450);
    app_->RecentFiles().Add(EntryPath(QStringLiteral("Dora, 01 Feb 1990")));
    Frame()->RebuildRecentMenus();
    Frame()->ExecuteCommand(ID_FILE_MRU_FIRST);
    EXPECT_EQ(nextViewMode, 0);
    EXPECT_EQ(ActiveView()->mode, 0);
    EXPECT_EQ(ActiveView()->profile.name, "DORA");
}

TEST_F(MainFrameTest, NewWindowShowsTheSamePersonAsItsDocument) {
    Start();
    NewPerson(QStringLiteral("Alice"));
    Paint();
    NewPerson(QStringLiteral("Bob"));
    Paint();
    Frame()->MdiArea()->setActiveSubWindow(Windows()[0]);
    Frame()->ExecuteCommand(ID_WINDOW_NEW);
    Paint();
    EXPECT_EQ(ActiveView()->profile.name, "ALICE");
    EXPECT_EQ(Windows()[0]->windowTitle(), QStringLiteral("ALICE"));
    EXPECT_EQ(Windows()[2]->windowTitle(), QStringLiteral("ALICE:2"));
}

TEST_F(MainFrameTest, OnlyAChartWindowAskedToWritesItsFile) {
    Start();
    NewPerson(QStringLiteral("Ann"));  // "Write data to file" off
    Frame()->ExecuteCommand(ID_COMMENTS);
    Frame()->ExecuteCommand(ID_FILE_CLOSE);
    Frame()->ExecuteCommand(ID_FILE_CLOSE);
    QApplication::processEvents();
    EXPECT_TRUE(Windows().isEmpty());
    EXPECT_FALSE(QDir(Dir()).exists(QStringLiteral("Biorythms")));
}

TEST_F(MainFrameTest, APrintedChartFitsPagesOfBothOrientations) {
    Start();
    NewPerson(QStringLiteral("Ann"));
    for (const QSize size : {QSize(1200, 1600), QSize(1600, 600)}) {
        QImage page(size, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        ActiveView()->RenderPrintPage(painter, page.rect());
        painter.end();
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 100) ink |= QRect(x, y, 1, 1);
        // The frame spans the page's narrower way.
        const bool tall = size.height() > size.width();
        EXPECT_GT(tall ? ink.width() : ink.height(), (tall ? size.width() : size.height()) * 19 / 20) << size.width();
        // A picture wider than high leaves room the longer way; one scaled
        // past the page would be cut there and fill it.
        EXPECT_LT(tall ? ink.height() : ink.width(), (tall ? size.height() : size.width()) * 9 / 10) << size.width();
    }
}
