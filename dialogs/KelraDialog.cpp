#include "KelraDialog.h"

namespace kelra {

void CKelraDialog::showEvent(QShowEvent* event) {
    if (!initialized_) {
        initialized_ = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CKelraDialog::done(int result) {
    // A dialog that runs again fills its controls afresh, as a new one would.
    initialized_ = false;
    QDialog::done(result);
}

}  // namespace kelra
