#include "KelraDoc.h"

#include <algorithm>

#include <QMdiArea>

#include "CKelraView.h"
#include "ChildFrame.h"
#include "MainFrame.h"
#include "RecentEntry.h"

namespace kelra {

int nextViewMode = 0;

CKelraDoc::CKelraDoc(CDocTemplate& docTemplate, CMainFrame& frame) : mainFrame(&frame), template_(docTemplate) {}

void CKelraDoc::SetTitle(const QString& title) {
    title_ = title;
    UpdateFrameTitles();
}

void CKelraDoc::SetPathName(const QString& path, bool addToMRU) {
    path_ = path;
    const qsizetype sep = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    SetTitle(path.mid(sep + 1));
    if (addToMRU) mainFrame->AddToRecentFileList(path);
}

bool CKelraDoc::OnNewDocument() {
    path_.clear();
    modified_ = false;
    return true;
}

bool CKelraDoc::OnOpenDocument(const QString& path) {
    const auto entry = ParsePersonEntry(path);
    if (!entry) return false;
    mainFrame->lastEnteredProfile.birthDate = entry->birthDate;
    mainFrame->lastEnteredProfile.name = entry->name.toStdString();
    mainFrame->OpenPersonWindow(mainFrame->lastEnteredProfile, 0);
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

void CKelraDoc::UpdateFrameTitles() {
    // The first window shows the title unchanged; further windows add ":n".
    for (int i = 0; i < frames_.size(); ++i)
        frames_[i]->setWindowTitle(i == 0 ? title_ : title_ + QStringLiteral(":%1").arg(i + 1));
    mainFrame->UpdateCaption();
}

CDocTemplate::CDocTemplate() = default;
CDocTemplate::~CDocTemplate() = default;

CKelraDoc* CDocTemplate::FindDocument(const QString& path) const {
    for (const auto& doc : documents_)
        if (!doc->GetPathName().isEmpty() && doc->GetPathName().compare(path, Qt::CaseInsensitive) == 0)
            return doc.get();
    return nullptr;
}

QList<CKelraDoc*> CDocTemplate::Documents() const {
    QList<CKelraDoc*> docs;
    for (const auto& doc : documents_) docs.append(doc.get());
    return docs;
}

CChildFrame* CDocTemplate::CreateNewFrame(CKelraDoc& doc, const PersonProfile& source, int viewMode) {
    auto* frame = new CChildFrame(doc, mainFrame_->DefaultChildSize(), mainFrame_->MdiArea()->viewport());
    frame->setWindowIcon(mainFrame_->DocumentIcon());
    auto* view = new CKelraView(viewMode, mainFrame_, frame);
    frame->SetView(view);
    doc.frames_.append(frame);
    doc.UpdateFrameTitles();
    view->Create(source);
    mainFrame_->AddChildFrame(frame);
    return frame;
}

void CDocTemplate::RemoveFrame(CKelraDoc& doc, CChildFrame* frame) {
    doc.frames_.removeAll(frame);
    if (!doc.frames_.isEmpty()) {
        doc.UpdateFrameTitles();
        return;
    }
    std::erase_if(documents_, [&doc](const auto& d) { return d.get() == &doc; });
}

CKelraDoc* CDocTemplate::OpenNewDocument(const PersonProfile& source, bool makeVisible) {
    CKelraDoc& doc = *documents_.emplace_back(std::make_unique<CKelraDoc>(*this, *mainFrame_));
    CChildFrame* frame = CreateNewFrame(doc, source, nextViewMode);
    doc.OnNewDocument();
    doc.SetTitle(QStringLiteral("Kelra%1").arg(++untitledCount_));
    if (makeVisible) {
        frame->show();
        mainFrame_->MdiArea()->setActiveSubWindow(frame);
    }
    return &doc;
}

CKelraDoc* CDocTemplate::OpenDocumentFile(const QString& path) {
    if (CKelraDoc* open = FindDocument(path)) {
        if (!open->Frames().isEmpty()) mainFrame_->MdiArea()->setActiveSubWindow(open->Frames().first());
        return open;
    }
    // The open operation makes its own window; this document is never
    // registered or shown, and leaves no trace.
    CKelraDoc probe(*this, *mainFrame_);
    probe.OnOpenDocument(path);
    return nullptr;
}

}  // namespace kelra
