#pragma once
#include <QString>
#include <Qt>

#include "DialogUnits.h"

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kelra {

// Builds a fixed-size dialog the way a dialog resource lays it out: places in
// dialog units, control IDs as object names, controls created in tab order.
// Places a dialog centred over owner, kept on owner's screen. Dialogs laid out
// by DialogLayout that have no parent do this when shown, over the active window.
void CentreDialogOver(QDialog* dialog, const QWidget* owner);

class DialogLayout {
public:
    // Sets caption, dialog font, a modal frame with caption and system menu,
    // and the fixed client size.
    DialogLayout(QDialog* dialog, const QString& caption, int width, int height);

    const DialogUnits& Units() const { return units_; }

    QPushButton* Button(int id, const QString& text, int x, int y, int width, int height);
    QCheckBox* CheckBox(int id, const QString& text, int x, int y, int width, int height);
    QLineEdit* Edit(int id, Qt::Alignment align, int x, int y, int width, int height);
    QLabel* Label(const QString& text, Qt::Alignment align, int x, int y, int width, int height);
    // Group boxes sit below the controls they frame, so they never take their clicks.
    QGroupBox* Group(const QString& title, int x, int y, int width, int height);

    // Any other control: parented, named after its ID (0 for none) and placed.
    template <class W>
    W* Add(W* widget, int id, int x, int y, int width, int height) {
        Adopt(widget, id, x, y, width, height);
        return widget;
    }

private:
    void Adopt(QWidget* widget, int id, int x, int y, int width, int height);

    QDialog* dialog_;
    DialogUnits units_;
};

}  // namespace kelra
