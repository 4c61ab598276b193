#include "CDia_Parameters.h"

#include <string>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CDia_Person.h"
#include "DatePicker.h"
#include "DialogLayout.h"
#include "NumberText.h"
#include "Text.h"
#include "UiHelpers.h"

namespace kelra {
namespace {

// Numbers go out as "%.2f" and "%d" and come back through the chart's own
// reader, so an OK rounds every real to two decimals.
QString Real(double value) { return QString::fromStdString(FormatFixed(value, 2)); }
QString Integer(std::int32_t value) { return QString::fromStdString(std::to_string(value)); }
double ReadReal(const QLineEdit* edit) { return ReadNumber(edit->text().toStdString()); }
std::int32_t ReadInt(const QLineEdit* edit) { return ReadInteger(edit->text().toStdString()); }

// The person's nine switches, in tab order: one table places the boxes,
// fills them and reads them back.
struct SwitchBox {
    int id;
    const char* text;
    int x, y, width;
    bool PersonProfile::*field;
};
const SwitchBox kSwitches[] = {
    {521, "Physical", 19, 119, 52, &PersonProfile::showPhysical},
    {523, "Emotional", 19, 135, 52, &PersonProfile::showEmotional},
    {525, "Intellectual", 19, 151, 52, &PersonProfile::showIntellectual},
    {530, "Sum classical", 19, 168, 60, &PersonProfile::showSumClassical},
    {527, "Intuitional", 91, 119, 52, &PersonProfile::showIntuitional},
    {528, "Aesthetic", 91, 135, 52, &PersonProfile::showAesthetic},
    {529, "Spiritual", 91, 151, 52, &PersonProfile::showSpiritual},
    {532, "Sum total", 91, 168, 66, &PersonProfile::showSumTotal},
    {519, "Write data to file", 154, 135, 70, &PersonProfile::writeDataFile},
};

}  // namespace

CDia_Parameters::CDia_Parameters(QWidget* parent) : CKelraDialog(parent) {
    DialogLayout layout(this, QStringLiteral("Properties"), 369, 235);
    const Qt::Alignment centre = Qt::AlignHCenter;
    const Qt::Alignment left = Qt::AlignLeft;
    const Qt::Alignment right = Qt::AlignRight;

    // Controls in tab order.
    okButton_ = layout.Button(1, QStringLiteral("OK"), 250, 214, 50, 14);
    cancelButton_ = layout.Button(2, QStringLiteral("Cancel"), 312, 214, 50, 14);
    yAutoscale_ = layout.CheckBox(507, QStringLiteral("Autoscale"), 30, 23, 67, 10);
    yShowNet_ = layout.CheckBox(508, QStringLiteral("Show net"), 30, 41, 67, 10);
    yMin_ = layout.Edit(509, centre, 63, 60, 40, 14);
    yDelta_ = layout.Edit(510, centre, 63, 80, 40, 14);
    xAutoscale_ = layout.CheckBox(511, QStringLiteral("Autoscale"), 152, 23, 67, 10);
    xShowNet_ = layout.CheckBox(512, QStringLiteral("Show net"), 152, 41, 67, 10);
    xMin_ = layout.Edit(513, centre, 183, 60, 40, 14);
    xDelta_ = layout.Edit(514, centre, 183, 80, 40, 14);
    showMarks_ = layout.CheckBox(517, QStringLiteral("Show marks"), 274, 23, 67, 10);
    showLegend_ = layout.CheckBox(518, QStringLiteral("Show legend"), 274, 41, 67, 10);
    lineWidth_ = layout.Edit(516, centre, 325, 60, 18, 14);
    for (const SwitchBox& b : kSwitches)
        switches_[b.id] = layout.CheckBox(b.id, QString::fromLatin1(b.text), b.x, b.y, b.width, 10);
    startPicker_ = layout.Add(new DatePicker, 1001, 284, 125, 59, 15);
    endPicker_ = layout.Add(new DatePicker, 1002, 284, 154, 59, 15);
    nameEdit_ = layout.Edit(1000, left, 54, 184, 174, 14);
    birthPicker_ = layout.Add(new DatePicker, 1003, 284, 183, 59, 15);

    layout.Group(QStringLiteral("Y Axe"), 7, 7, 113, 95);
    layout.Label(QStringLiteral("Y min:"), right, 21, 66, 33, 8);
    layout.Label(QStringLiteral("Y delta:"), right, 21, 86, 33, 8);
    layout.Group(QStringLiteral("X Axe"), 127, 7, 113, 95);
    QLabel* xMinLabel = layout.Label(QStringLiteral("X min:"), right, 142, 66, 33, 8);
    QLabel* xDeltaLabel = layout.Label(QStringLiteral("X delta:"), right, 142, 86, 33, 8);
    layout.Group(QStringLiteral("Graph"), 249, 7, 113, 94);
    layout.Label(QStringLiteral("Line width:"), right, 261, 66, 58, 8);
    layout.Group(QStringLiteral("Biorythms"), 7, 105, 355, 104);
    layout.Label(QStringLiteral("Start date:"), right, 238, 132, 33, 8);
    layout.Label(QStringLiteral("End date:"), right, 238, 161, 33, 8);
    layout.Label(QStringLiteral("Name:"), left, 21, 190, 26, 8);
    layout.Label(QStringLiteral("Birth date:"), right, 238, 190, 33, 8);

    // The X axis shows only its grid switch; its range travels through hidden edits.
    xAutoscale_->hide();
    xMin_->hide();
    xDelta_->hide();
    xMinLabel->hide();
    xDeltaLabel->hide();
    yMin_->setEnabled(false);
    yDelta_->setEnabled(false);

    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { reject(); });
    connect(yAutoscale_, &QCheckBox::clicked, this, [this] { OnAutoscaleClicked(); });
}

bool CDia_Parameters::OnInitDialog() {
    if (chartOptions) {
        const CycleChart& chart = *chartOptions;
        showMarks_->setChecked(chart.showMarks);
        showLegend_->setChecked(chart.showLegend);
        lineWidth_->setText(Integer(chart.lineWidth));
        xShowNet_->setChecked(chart.xShowNet);
        xMin_->setText(Real(chart.xMin));
        xDelta_->setText(Real(chart.xDelta));
        yAutoscale_->setChecked(chart.yAutoscale);
        yShowNet_->setChecked(chart.yShowNet);
        yMin_->setText(Real(chart.yMin));
        yDelta_->setText(Real(chart.yDelta));
        OnAutoscaleClicked();
    }
    if (profile) {
        nameEdit_->setText(QString::fromStdString(profile->name));
        birthPicker_->SetDateTime(profile->birthDate);
        startPicker_->SetDateTime(profile->startDate);
        endPicker_->SetDateTime(profile->endDate);
        for (const SwitchBox& b : kSwitches) switches_[b.id]->setChecked(profile->*b.field);
    }
    okButton_->setFocus();
    return true;
}

void CDia_Parameters::OnAutoscaleClicked() {
    if (yAutoscale_->isChecked()) {
        yMin_->setEnabled(false);
        yDelta_->setEnabled(false);
    } else if (chartOptions) {
        yMin_->setText(Real(chartOptions->yMin));
        yDelta_->setText(Real(chartOptions->yDelta));
        yMin_->setEnabled(true);
        yDelta_->setEnabled(true);
    }
}

void CDia_Parameters::OnOK() {
    if (chartOptions) {
        // Every edit is read, enabled or not, visible or not.
        CycleChart& chart = *chartOptions;
        chart.showMarks = showMarks_->isChecked();
        chart.showLegend = showLegend_->isChecked();
        chart.lineWidth = ReadInt(lineWidth_);
        chart.xShowNet = xShowNet_->isChecked();
        chart.xMin = ReadReal(xMin_);
        chart.xDelta = ReadReal(xDelta_);
        chart.yAutoscale = yAutoscale_->isChecked();
        chart.yShowNet = yShowNet_->isChecked();
        chart.yMin = ReadReal(yMin_);
        chart.yDelta = ReadReal(yDelta_);
    }
    nameText = nameEdit_->text();
    if (profile) {
        for (const SwitchBox& b : kSwitches) profile->*b.field = switches_[b.id]->isChecked();
        profile->name = nameText.toStdString();
        profile->birthDate = birthPicker_->GetDateTime();
    }
    const DateTime start = startPicker_->GetDateTime();
    const DateTime end = endPicker_->GetDateTime();
    if (!IsRangeAccepted(start, end)) {
        ShowWarning(this, RangeRefusedText());
        return;
    }
    if (profile) {
        profile->startDate = start;
        profile->endDate = end;
    }
    done(OK);
}

}  // namespace kelra
