#include "CDia_Person.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DatePicker.h"
#include "DialogLayout.h"
#include "UiHelpers.h"

namespace kelra {

bool IsRangeAccepted(const DateTime& start, const DateTime& end) {
    return !(end < start || end == start);
}

QString RangeRefusedText() { return QStringLiteral("End date must be great then Start date!"); }

CDia_Person::CDia_Person(QWidget* parent) : CKelraDialog(parent) {
    DialogLayout layout(this, QStringLiteral("Person"), 265, 121);
    const Qt::Alignment left = Qt::AlignLeft;

    // Controls in tab order.
    nameEdit_ = layout.Edit(1000, left, 21, 31, 162, 14);
    birthPicker_ = layout.Add(new DatePicker, 1003, 193, 30, 59, 15);
    startPicker_ = layout.Add(new DatePicker, 1001, 97, 67, 59, 15);
    endPicker_ = layout.Add(new DatePicker, 1002, 167, 67, 59, 15);
    okButton_ = layout.Button(1, QStringLiteral("OK"), 147, 100, 50, 14);
    cancelButton_ = layout.Button(2, QStringLiteral("Cancel"), 208, 100, 50, 14);
    layout.Label(QStringLiteral("Name:"), left, 21, 18, 26, 8);
    layout.Label(QStringLiteral("Birth date:"), left, 193, 18, 42, 8);
    layout.Group(QString(), 7, 7, 251, 87);
    layout.Label(QStringLiteral("Show biorythms:"), left, 30, 74, 62, 8);
    layout.Label(QStringLiteral("End date:"), left, 167, 54, 42, 8);
    layout.Label(QStringLiteral("Start date:"), left, 97, 54, 42, 8);

    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { reject(); });
}

bool CDia_Person::OnInitDialog() {
    if (profile) {
        nameEdit_->setText(QString::fromStdString(profile->name));
        birthPicker_->SetDateTime(profile->birthDate);
        startPicker_->SetDateTime(profile->startDate);
        endPicker_->SetDateTime(profile->endDate);
    }
    nameEdit_->setFocus();
    return true;
}

void CDia_Person::OnOK() {
    const DateTime start = startPicker_->GetDateTime();
    const DateTime end = endPicker_->GetDateTime();
    if (!IsRangeAccepted(start, end)) {
        ShowWarning(this, RangeRefusedText());
        return;
    }
    nameText = nameEdit_->text();
    if (profile) {
        profile->name = nameText.toStdString();
        profile->birthDate = birthPicker_->GetDateTime();
        profile->startDate = start;
        profile->endDate = end;
    }
    done(OK);
}

}  // namespace kelra
