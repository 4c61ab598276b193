#pragma once
#include <QDialog>
#include <QString>

#include "PersonProfile.h"

class QLineEdit;
class QPushButton;

namespace kelra {

class DatePicker;

// A new person: name, birth date and the range of days to chart.
// exec() gives 1 on OK and 2 on Cancel, Escape or the close box.
class CDia_Person : public QDialog {
public:
    explicit CDia_Person(QWidget* parent = nullptr);

    PersonProfile* profile = nullptr;  // not owned; set before the dialog runs
    QString nameText;

    // Fills the controls from the profile; runs when the dialog is shown.
    virtual bool OnInitDialog();
    // Refuses an end that is not after the start, otherwise writes back and closes.
    void OnOK();
    void reject() override;  // ends with 2
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* nameEdit_ = nullptr;
    DatePicker* birthPicker_ = nullptr;
    DatePicker* startPicker_ = nullptr;
    DatePicker* endPicker_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool initialized_ = false;
};

// The range test of both person dialogs: the end must lie strictly after the start.
bool IsRangeAccepted(const DateTime& start, const DateTime& end);

// The message shown when it does not.
QString RangeRefusedText();

}  // namespace kelra
