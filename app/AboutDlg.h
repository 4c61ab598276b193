#pragma once
#include <QDialog>

namespace kelra {

// The About box: icon, version, the maker's notice and OK.
class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace kelra
