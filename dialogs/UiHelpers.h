#pragma once
#include <functional>

#include <QString>

class QWidget;

namespace kelra {

// Every message of the program: a modal warning box with caption "Kelra",
// the warning icon and an OK button.
void ShowWarning(QWidget* parent, const QString& text);

// Tests install a hook to see the texts without a modal loop; an empty hook
// restores the real box.
using WarningHook = std::function<void(const QString& text)>;
void SetWarningHook(WarningHook hook);

// The wait cursor for the lifetime of the object.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // How many wait cursors are shown right now, and were shown in all; for tests.
    static int Active();
    static int Shown();
};

}  // namespace kelra
