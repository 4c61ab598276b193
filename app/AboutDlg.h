#pragma once
#include <QDialog>

namespace kelra {

// The About box: icon, version, the maker's notice and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace kelra
