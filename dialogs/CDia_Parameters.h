#pragma once
#include <QDialog>
#include <QString>

#include "CycleChart.h"
#include "PersonProfile.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kelra {

class DatePicker;

// Properties of a person window: the chart's options, edited in place, and a
// working copy of the person's profile. exec() gives 1 on OK and 2 on Cancel,
// Escape or the close box.
class CDia_Parameters : public QDialog {
public:
    explicit CDia_Parameters(QWidget* parent = nullptr);

    QString nameText;
    CycleChart* chartOptions = nullptr;  // not owned; may stay null (no chart)
    PersonProfile* profile = nullptr;    // not owned; the caller's working copy

    // Fills the controls; runs when the dialog is shown.
    virtual bool OnInitDialog();
    // Box 507: a checked Autoscale locks Y min and Y delta, an unchecked one
    // reloads them from the chart.
    void OnAutoscaleClicked();
    // Writes the chart options and the profile; refuses an end that is not
    // after the start (the chart options stay written then).
    void OnOK();
    void reject() override;  // ends with 2
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

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
    // Profile.
    QCheckBox* writeDataFile_ = nullptr;     // 519
    QCheckBox* showSumClassical_ = nullptr;  // 530
    QCheckBox* showSumTotal_ = nullptr;      // 532
    QCheckBox* showPhysical_ = nullptr;      // 521
    QCheckBox* showEmotional_ = nullptr;     // 523
    QCheckBox* showIntellectual_ = nullptr;  // 525
    QCheckBox* showIntuitional_ = nullptr;   // 527
    QCheckBox* showAesthetic_ = nullptr;     // 528
    QCheckBox* showSpiritual_ = nullptr;     // 529
    DatePicker* birthPicker_ = nullptr;      // 1003
    DatePicker* startPicker_ = nullptr;      // 1001
    DatePicker* endPicker_ = nullptr;        // 1002
    QLineEdit* nameEdit_ = nullptr;          // 1000
    bool initialized_ = false;
};

}  // namespace kelra
