#include "ChartBinding.h"

#include <iterator>

#include "Text.h"

namespace kelra {
namespace {

const SeriesDef kSeries[] = {
    {&PersonProfile::showPhysical, "Physical", {1, {255, 0, 0}}, &DayRecord::physical, "Physical    ",
     &DayRecord::physicalState},
    {&PersonProfile::showEmotional, "Emotional", {1, {0, 200, 0}}, &DayRecord::emotional, "Emotional    ",
     &DayRecord::emotionalState},
    {&PersonProfile::showIntellectual, "Intellectual", {1, {0, 0, 255}}, &DayRecord::intellectual,
     "Intellectual    ", &DayRecord::intellectualState},
    {&PersonProfile::showIntuitional, "Intuitional", {1, {255, 200, 0}}, &DayRecord::intuitional,
     "Intuitional    ", nullptr},
    {&PersonProfile::showAesthetic, "Aesthetic", {1, {0, 200, 255}}, &DayRecord::aesthetic, "Aesthetic    ",
     nullptr},
    {&PersonProfile::showSpiritual, "Spiritual", {1, {200, 0, 200}}, &DayRecord::spiritual, "Spiritual    ",
     nullptr},
    {&PersonProfile::showSumClassical, "Sum Classical", {3, {200, 150, 150}}, &DayRecord::sumClassical,
     "SUM Classical    ", &DayRecord::sumClassicalState},
    {&PersonProfile::showSumTotal, "Sum Total", {3, {0, 0, 0}}, &DayRecord::sumTotal, "SUM Total    ",
     &DayRecord::sumTotalState},
};

// Calendar fields of a date; all -1 when it is not valid, so that two
// invalid dates are no match.
struct CalendarDay {
    int year = -1, month = -1, day = -1;
    explicit CalendarDay(const DateTime& date) {
        if (date.IsValid()) CivilFromDays(date.DayNumber(), year, month, day);
    }
    bool Matches(const CalendarDay& o) const {
        return year != -1 && o.year != -1 && day == o.day && month == o.month && year == o.year;
    }
};

// The date's "%x" text ("MM/DD/YY"). Runs once per row, millions of times on
// a long range, so the usual years skip the general formatter.
std::string ShortDate(const DateTime& date, const CalendarDay& c) {
    if (c.year < 0) return date.Format("%x");
    const int yy = c.year % 100;
    const char text[8] = {static_cast<char>('0' + c.month / 10), static_cast<char>('0' + c.month % 10), '/',
                          static_cast<char>('0' + c.day / 10),   static_cast<char>('0' + c.day % 10),   '/',
                          static_cast<char>('0' + yy / 10),      static_cast<char>('0' + yy % 10)};
    return std::string(text, sizeof text);
}

std::string LegendText(const SeriesDef& def, const DayRecord& day) {
    return def.legend + FormatFixed(day.*def.value, 0);
}

}  // namespace

std::span<const SeriesDef> SeriesTable() { return kSeries; }

std::vector<int> BindSeries(CycleChart& chart, PersonProfile& profile) {
    chart.ClearSeries();
    chart.ClearRows();
    profile.name = ToUpper(profile.name);
    chart.SetTitle(profile.name);
    chart.AddSeries(0, "Days", std::nullopt, std::nullopt);
    std::vector<int> shown;
    for (int i = 0; i < static_cast<int>(std::size(kSeries)); ++i) {
        const SeriesDef& def = kSeries[i];
        if (!(profile.*def.on)) continue;
        chart.AddSeries(3, def.caption, def.pen, std::nullopt);
        shown.push_back(i);
    }
    chart.SetColumnCount(chart.SeriesCount());
    return shown;
}

void FillRows(CycleChart& chart, const DayRecordArray& days, const PersonProfile& profile,
              const std::vector<int>& shown, const DateTime& now, std::string& workText) {
    const CalendarDay today(now);
    chart.rows.reserve(chart.rows.size() + days.size());

    for (const DayRecord& day : days) {
        const CalendarDay date(day.date);
        std::vector<std::string> cells;
        cells.reserve(shown.size() + 1);
        cells.push_back(ShortDate(day.date, date));
        for (int i : shown) cells.push_back(FormatFixed(day.*kSeries[i].value, 2));
        chart.AddRow(std::move(cells));

        if (!date.Matches(today)) continue;
        std::vector<std::string> notes{
            "Today = " + now.Format("%d %b %Y"),
            "Day of life = " + std::to_string(profile.dayOfLife),
            " ",
            "Physical = " + day.physicalState.str(),
            "Emotional = " + day.emotionalState.str(),
            "Intellectual = " + day.intellectualState.str(),
            "Sum Classical = " + day.sumClassicalState.str(),
            "Sum Total = " + day.sumTotalState.str(),
        };
        chart.SetSeriesNotes(chart.SeriesCount() - 1, std::move(notes));
        int k = 1;
        for (int i : shown) {
            workText = LegendText(kSeries[i], day);
            chart.SetSeriesCaption(k++, workText);
        }
    }
}

std::string RowTooltip(const CycleChart& chart, const DayRecordArray& days, const std::vector<int>& shown,
                       int row) {
    if (row < 0 || row >= chart.RowCount() || static_cast<std::size_t>(row) >= days.size()) return {};
    const ChartRow& chartRow = chart.rows[static_cast<std::size_t>(row)];
    if (chartRow.cells.empty()) return {};
    const DayRecord& day = days[static_cast<std::size_t>(row)];
    std::string text(chartRow.cells[0]);
    for (int i : shown) {
        if (i < 0 || i >= static_cast<int>(std::size(kSeries))) continue;
        const SeriesDef& def = kSeries[i];
        text += '\n';
        text += LegendText(def, day);
        if (def.state && !(day.*def.state).empty()) text += " (" + (day.*def.state).str() + ")";
    }
    return text;
}

}  // namespace kelra
