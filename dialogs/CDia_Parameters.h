#pragma once
#include <map>

#include <QString>

#include "CycleChart.h"
#include "KelraDialog.h"
#include "PersonProfile.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kelra {

class DatePicker;

// Properties of a person window: the chart's options, edited in place, and a
// working copy of the person's profile.
class CDia_Parameters : public CKelraDialog {
    Q_OBJECT
public:
    explicit CDia_Parameters(QWidget* parent = nullptr);

    QString nameText;
    CycleChart* chartOptions = nullptr;  // not owned; may stay null (no chart)
    PersonProfile* profile = nullptr;    // not owned; the caller's working copy

    bool OnInitDialog() override;
    // Box 507: a checked Autoscale locks Y min and Y delta, an unchecked one
    // reloads them from the chart.
    void OnAutoscaleClicked();
    // Writes the chart options and the profile; refuses an end that is not
    // after the start (the chart options stay written then).
    void OnOK();

private:
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    // Chart options.
    QCheckBox* showMarks_ = nullptr;      // 517
    QCheckBox* showLegend_ = nullptr;     // 518
    QCheckBox* xAutoscale_ = nullptr;     // 511, never used
    QCheckBox* yAutoscale_ = nullptr;     // 507
    QCheckBox* xShowNet_ = nullptr;       // 512
    QCheckBox* yShowNet_ = nullptr;       // 508
    QLineEdit* xMin_ = nullptr;           // 513
    QLineEdit* xDelta_ = nullptr;         // 514
    QLineEdit* yMin_ = nullptr;           // 509
    QLineEdit* yDelta_ = nullptr;         // 510
    QLineEdit* lineWidth_ = nullptr;      // 516
    // Profile: the nine switches by control ID.
    std::map<int, QCheckBox*> switches_;
    DatePicker* birthPicker_ = nullptr;      // 1003
    DatePicker* startPicker_ = nullptr;      // 1001
    DatePicker* endPicker_ = nullptr;        // 1002
    QLineEdit* nameEdit_ = nullptr;          // 1000
};

}  // namespace kelra
