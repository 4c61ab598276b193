#pragma once
#include <QDate>
#include <QDateEdit>

#include "DateTime.h"

namespace kelra {

// A date picker with a calendar drop-down in the user's short date format
// (always with a four-digit year). It holds the whole date-time it was given:
// the user picks only the calendar date, the time of day passes through.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    void SetDateTime(const DateTime& value);
    // The picked date with the time of day of the value given. A valid value
    // before 1601 (shown as 1 Jan 1601) comes back unchanged while the user
    // leaves the date alone; a null or invalid value shows today and gives
    // the picked day at midnight, so the result is always valid.
    DateTime GetDateTime() const;

    // The locale's short date format with every year field widened to "yyyy"
    // ("MM/dd/yyyy" for the "C" locale).
    static QString ShortDateFormat(const QLocale& locale);

    static QDate Earliest() { return QDate(1601, 1, 1); }
    static QDate Latest() { return QDate(9999, 12, 31); }

    // Drops the calendar down, as a click on the arrow does.
    void OpenCalendar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Alt+Down and F4 open the calendar; a separator typed right after a
    // part filled up and moved on by itself does not move again.
    void keyPressEvent(QKeyEvent* event) override;

private:
    DateTime given_;
    QDate shown_;
    bool movedOn_ = false;
};

}  // namespace kelra
