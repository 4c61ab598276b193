#pragma once
#include <QDialog>

namespace kelra {

// What the program's dialogs share: exec() gives OK (1) or Cancel (2, also
// for Escape and the close box), and the controls are filled from the
// records handed over each time the dialog is shown.
class CKelraDialog : public QDialog {
    Q_OBJECT
public:
    enum Result { OK = 1, Cancel = 2 };

    explicit CKelraDialog(QWidget* parent = nullptr) : QDialog(parent) {}

    // Fills the controls; runs when the dialog is shown.
    virtual bool OnInitDialog() = 0;
    void reject() override { done(Cancel); }
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool initialized_ = false;
};

}  // namespace kelra
