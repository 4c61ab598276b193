#pragma once
#include <QString>

#include "PersonProfile.h"

namespace kelra {

class CKelraView;

// What a person view needs of the application around it.
class ViewServices {
public:
    virtual ~ViewServices() = default;
    // Opens a new comments window whose view copies source; it is titled
    // title. False when no window could be made.
    virtual bool OpenCommentsWindow(const PersonProfile& source, const QString& title) = 0;
    // Puts a person's text, made into a path, at the top of the recent list.
    virtual void AddRecentPerson(const QString& text) = 0;
    // The title of the document the view shows; it names a printout.
    virtual QString DocumentTitle(const CKelraView& view) const = 0;
};

}  // namespace kelra
