#pragma once
#include <memory>

#include "RecentFileList.h"

namespace kelra {

class CDocTemplate;
class CMainFrame;

// The application: settings, the document template and the main window.
class CKelraApp {
public:
    CKelraApp();
    ~CKelraApp();

    // Start-up; false ends the program at once.
    bool InitInstance();
    // Writes the recent list and the preview page count back; tells the user
    // when they could not be written.
    int ExitInstance();

    CDocTemplate* personTemplate = nullptr;
    CMainFrame* MainFrame() const { return mainFrame_.get(); }
    RecentFileList& RecentFiles() { return recentFiles_; }
    int previewPages = 1;

private:
    RecentFileList recentFiles_;
    std::unique_ptr<CMainFrame> mainFrame_;
    std::unique_ptr<CDocTemplate> template_;
};

}  // namespace kelra
