#include "DatePicker.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "Clock.h"

namespace kelra {

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(ShortDateFormat(QLocale()));
    setDateRange(Earliest(), Latest());
    // The drop-down opens right-aligned under the picker.
    if (QCalendarWidget* calendar = calendarWidget()) calendar->window()->installEventFilter(this);
    // A click picks the whole part under it, so the digits typed next replace it.
    lineEdit()->installEventFilter(this);
}

QString DatePicker::ShortDateFormat(const QLocale& locale) {
    // Without a user locale, the numeric form of strftime's "%x" in "C".
    const QString format = locale.language() == QLocale::C ? QStringLiteral("MM/dd/yy")
                                                           : locale.dateFormat(QLocale::ShortFormat);
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('y')) {
            while (i + 1 < format.size() && format[i + 1] == QLatin1Char('y')) ++i;
            out += QStringLiteral("yyyy");
            continue;
        }
        out += c;
    }
    return out;
}

void DatePicker::SetDateTime(const DateTime& value) {
    given_ = value;
    QDate date;
    if (value.IsValid()) {
        date = QDate(value.Year(), value.Month(), value.Day());
        if (date < Earliest()) date = Earliest();
        if (date > Latest()) date = Latest();
    } else {
        const DateTime now = Now();
        date = QDate(now.Year(), now.Month(), now.Day());
    }
    if (!date.isValid()) date = Earliest();
    setDate(date);
    shown_ = QDateEdit::date();
}

DateTime DatePicker::GetDateTime() const {
    const QDate picked = date();
    if (!given_.IsValid()) return DateTime(picked.year(), picked.month(), picked.day());
    if (picked == shown_) return given_;
    return DateTime(picked.year(), picked.month(), picked.day(), given_.Hour(), given_.Minute(),
                    given_.Second());
}

void DatePicker::OpenCalendar() {
    if (!calendarPopup()) return;
    QStyleOptionComboBox opt;
    opt.initFrom(this);
    opt.editable = true;
    opt.subControls = QStyle::SC_All;
    const QPoint arrow = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, this).center();
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    mousePressEvent(&press);
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Down && mods == Qt::AltModifier) ||
        (event->key() == Qt::Key_F4 && mods == Qt::NoModifier)) {
        OpenCalendar();
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool separator = text.size() == 1 && !text[0].isLetterOrNumber() && displayFormat().contains(text[0]);
    if (separator && std::exchange(movedOn_, false)) {
        event->accept();
        return;
    }
    const int before = currentSectionIndex();
    QDateEdit::keyPressEvent(event);
    movedOn_ = text.size() == 1 && text[0].isDigit() && currentSectionIndex() != before;
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease) {
        QTimer::singleShot(0, this, [this] {
            if (!lineEdit()->selectedText().isEmpty()) return;  // a drag or a double click chose already
            // The part under the cursor: the separators before it count the parts.
            const QString text = lineEdit()->text();
            int index = 0;
            for (int i = 0; i < lineEdit()->cursorPosition() && i < text.size(); ++i) index += !text[i].isLetterOrNumber();
            index = std::min(index, sectionCount() - 1);
            setCurrentSectionIndex(index);
            setSelectedSection(sectionAt(index));
        });
    }
    if (event->type() == QEvent::Show) {
        auto* popup = qobject_cast<QWidget*>(watched);
        if (popup && popup->isWindow()) {
            const QPoint bottomRight = mapToGlobal(QPoint(width(), height()));
            QPoint topLeft(bottomRight.x() - popup->width(), popup->y());
            if (isRightToLeft()) topLeft.setX(mapToGlobal(QPoint(0, 0)).x());
            popup->move(topLeft);
        }
    }
    return QDateEdit::eventFilter(watched, event);
}

}  // namespace kelra
