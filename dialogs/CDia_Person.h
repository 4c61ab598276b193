#pragma once
#include <QString>

#include "KelraDialog.h"

#include "PersonProfile.h"

class QLineEdit;
class QPushButton;

namespace kelra {

class DatePicker;

// A new person: name, birth date and the range of days to chart.
class CDia_Person : public CKelraDialog {
    Q_OBJECT
public:
    explicit CDia_Person(QWidget* parent = nullptr);

    PersonProfile* profile = nullptr;  // not owned; set before the dialog runs
    QString nameText;

    // Fills the controls from the profile.
    bool OnInitDialog() override;
    // Refuses an end that is not after the start, otherwise writes back and closes.
    void OnOK();

private:
    QLineEdit* nameEdit_ = nullptr;
    DatePicker* birthPicker_ = nullptr;
    DatePicker* startPicker_ = nullptr;
    DatePicker* endPicker_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// The range test of both person dialogs: the end must lie strictly after the start.
bool IsRangeAccepted(const DateTime& start, const DateTime& end);

// The message shown when it does not.
QString RangeRefusedText();

}  // namespace kelra
