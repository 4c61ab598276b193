#include "KelraDoc.h"

#include <QMdiArea>
#include <QTimer>

#include <memory>

#include "CKelraView.h"
#include "ChildFrame.h"
#include "MainFrame.h"
#include "RecentEntry.h"
#include "UiHelpers.h"

namespace kelra {

int nextViewMode = 0;
const PersonProfile* nextViewSource = nullptr;

CKelraDoc::CKelraDoc(CDocTemplate* docTemplate) : template_(docTemplate) {}

void CKelraDoc::SetTitle(const QString& title) {
    title_ = title;
    UpdateFrameTitles();
}

void CKelraDoc::SetPathName(const QString& path, bool addToMRU) {
    path_ = path;
    const qsizetype sep = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    SetTitle(path.mid(sep + 1));
    if (addToMRU && template_) template_->MainFrame()->AddToRecentFileList(path);
}

bool CKelraDoc::OnNewDocument() {
    path_.clear();
    modified_ = false;
    return true;
}

bool CKelraDoc::OnOpenDocument(const QString& path) {
    const auto entry = ParsePersonEntry(path);
    if (!entry || !mainFrame) return false;
    mainFrame->lastEnteredProfile.birthDate = entry->birthDate;
    mainFrame->lastEnteredProfile.name = entry->name.toStdString();
    NextViewScope scope(0);
    template_->OpenDocumentFile(nullptr, true);
    return false;
}

QList<CKelraView*> CKelraDoc::Views() const {
    QList<CKelraView*> views;
    for (auto* f : frames_)
        if (auto* v = f->View()) views.append(v);
    return views;
}

void CKelraDoc::UpdateAllViews(CKelraView* sender) {
    for (auto* v : Views())
        if (v != sender) v->viewport()->update();
}

void CKelraDoc::AddFrame(CChildFrame* frame) {
    frames_.append(frame);
    UpdateFrameTitles();
}

void CKelraDoc::RemoveFrame(CChildFrame* frame) {
    frames_.removeAll(frame);
    if (frames_.isEmpty()) {
        if (template_) template_->RemoveDocument(this);
        delete this;
        return;
    }
    UpdateFrameTitles();
}

void CKelraDoc::UpdateFrameTitles() {
    // The first window shows the title unchanged; further windows add ":n".
    for (int i = 0; i < frames_.size(); ++i) {
        frames_[i]->setWindowTitle(i == 0 ? title_ : title_ + QStringLiteral(":%1").arg(i + 1));
    }
    if (template_) template_->MainFrame()->UpdateCaption();
}

CDocTemplate::CDocTemplate(CMainFrame* frame) : mainFrame_(frame) {}

CDocTemplate::~CDocTemplate() {
    for (auto* doc : documents_) delete doc;  // only those without windows remain
}

CKelraDoc* CDocTemplate::FindDocument(const QString& path) const {
    for (auto* doc : documents_)
        if (!doc->GetPathName().isEmpty() && doc->GetPathName().compare(path, Qt::CaseInsensitive) == 0)
            return doc;
    return nullptr;
}

void CDocTemplate::RemoveDocument(CKelraDoc* doc) { documents_.removeAll(doc); }

CChildFrame* CDocTemplate::CreateNewFrame(CKelraDoc* doc) {
    auto* frame = new CChildFrame(doc);
    frame->setWindowIcon(mainFrame_->DocumentIcon());
    frame->PreCreateWindow(mainFrame_->DefaultChildSize());
    auto* view = new CKelraView(nextViewMode);
    view->document = doc;
    view->mainFrame = mainFrame_;
    view->services = mainFrame_;
    view->titleHook = [doc, view](const QString& title) {
        doc->SetTitle(title);
        doc->UpdateAllViews(view);
    };
    // Painting must not open a box itself, and a failing picture would fail
    // at every repaint: the message is posted, once per window.
    auto reported = std::make_shared<bool>(false);
    view->errorHook = [view, reported](const char* what) {
        if (*reported) return;
        *reported = true;
        const QString text = QString::fromUtf8(what);
        QTimer::singleShot(0, view, [view, text] { ShowWarning(view, text); });
    };
    doc->mainFrame = mainFrame_;
    frame->setWidget(view);
    doc->AddFrame(frame);
    const PersonProfile& source =
        (view->mode == 1 && nextViewSource) ? *nextViewSource : mainFrame_->lastEnteredProfile;
    view->Create(source);
    mainFrame_->MdiArea()->addSubWindow(frame);
    return frame;
}

CKelraDoc* CDocTemplate::OpenDocumentFile(const QString* path, bool makeVisible) {
    if (path) {
        if (auto* open = FindDocument(*path)) {
            if (!open->Frames().isEmpty()) mainFrame_->MdiArea()->setActiveSubWindow(open->Frames().first());
            return open;
        }
        // The open operation makes its own window; this document stays unseen
        // and is dropped, leaving no trace.
        CKelraDoc probe(this);
        probe.mainFrame = mainFrame_;
        probe.OnOpenDocument(*path);
        return nullptr;
    }
    auto* doc = new CKelraDoc(this);
    documents_.append(doc);
    CChildFrame* frame = CreateNewFrame(doc);
    doc->OnNewDocument();
    doc->SetTitle(QStringLiteral("Kelra%1").arg(++untitledCount_));
    if (makeVisible) {
        frame->show();
        mainFrame_->MdiArea()->setActiveSubWindow(frame);
    }
    return doc;
}

}  // namespace kelra
