#include "DialogLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace kelra {
namespace {

// The active window, or else the application's main window.
const QWidget* OwnerOf(const QDialog* dialog) {
    const QWidget* active = QApplication::activeWindow();
    if (active && active != dialog && active->isVisible()) return active;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w != dialog && w->isVisible() && qobject_cast<const QMainWindow*>(w)) return w;
    return nullptr;
}

// A dialog made without a parent belongs to the window that opened it: it
// comes up centred over that window, not somewhere on the screen.
class CentreOverOwner : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && !dialog->parentWidget()) {
            if (const QWidget* owner = OwnerOf(dialog)) CentreDialogOver(dialog, owner);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void CentreDialogOver(QDialog* dialog, const QWidget* owner) {
    QRect place(QPoint(0, 0), dialog->frameGeometry().size());
    place.moveCenter(owner->frameGeometry().center());
    // Fully on the owner's screen where it fits.
    if (const QScreen* screen = owner->screen()) {
        const QRect area = screen->availableGeometry();
        place.moveRight(std::min(place.right(), area.right()));
        place.moveBottom(std::min(place.bottom(), area.bottom()));
        place.moveLeft(std::max(place.left(), area.left()));
        place.moveTop(std::max(place.top(), area.top()));
    }
    dialog->move(place.topLeft());  // a window's position includes its frame
}

DialogLayout::DialogLayout(QDialog* dialog, const QString& caption, int width, int height)
    : dialog_(dialog), units_(DialogFont()) {
    dialog_->setWindowTitle(caption);
    dialog_->setFont(DialogFont());
    dialog_->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog_->setFixedSize(units_.Size(width, height));
    dialog_->installEventFilter(new CentreOverOwner(dialog_));
}

void DialogLayout::Adopt(QWidget* widget, int id, int x, int y, int width, int height) {
    widget->setParent(dialog_);
    if (id != 0) widget->setObjectName(QString::number(id));
    units_.Place(widget, x, y, width, height);
}

QPushButton* DialogLayout::Button(int id, const QString& text, int x, int y, int width,
                                  int height) {
    auto* button = new QPushButton(text);
    button->setAutoDefault(true);
    return Add(button, id, x, y, width, height);
}

QCheckBox* DialogLayout::CheckBox(int id, const QString& text, int x, int y, int width,
                                  int height) {
    return Add(new QCheckBox(text), id, x, y, width, height);
}

QLineEdit* DialogLayout::Edit(int id, Qt::Alignment align, int x, int y, int width, int height) {
    auto* edit = new QLineEdit;
    edit->setAlignment(align | Qt::AlignVCenter);
    return Add(edit, id, x, y, width, height);
}

QLabel* DialogLayout::Label(const QString& text, Qt::Alignment align, int x, int y, int width,
                            int height) {
    auto* label = new QLabel(text);
    label->setAlignment(align | Qt::AlignTop);
    return Add(label, 0, x, y, width, height);
}

QGroupBox* DialogLayout::Group(const QString& title, int x, int y, int width, int height) {
    auto* group = Add(new QGroupBox(title), 0, x, y, width, height);
    // The classic look: the frame starts at the place's top, half a line
    // down, with the title set into its top edge.
    group->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: %1px; }"
                                        "QGroupBox::title { subcontrol-origin: margin;"
                                        " subcontrol-position: top left; left: %2px; padding: 0 2px; }")
                             .arg(units_.CharHeight() / 2)
                             .arg(units_.CharWidth()));
    group->lower();
    return group;
}

}  // namespace kelra
