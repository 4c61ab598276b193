#include "CliCommands.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <stdexcept>

#include <QSize>
#include <QString>

#include "BiorhythmCalc.h"
#include "ChartBinding.h"
#include "ChartPicture.h"
#include "Clock.h"
#include "CommentTexts.h"
#include "CycleChart.h"
#include "DataFile.h"
#include "PersonProfile.h"
#include "Text.h"

#ifndef KELRA_VERSION
#define KELRA_VERSION "unknown"
#endif

namespace kelra::cli {
namespace {

constexpr const char* kProgram = "kelra-cli";
constexpr int kMinSide = 100;
// Far beyond any screen; keeps a typing slip from asking for gigabytes.
constexpr int kMaxSide = 10000;
constexpr int kMaxLineWidth = 100;

constexpr const char* kHelp =
    "Usage: kelra-cli COMMAND NAME BIRTH [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  table NAME BIRTH [--from DATE] [--to DATE] [--format csv|json|datafile]\n"
    "      The day table on standard output: csv (the default), json, or the\n"
    "      exact bytes of Kelra's data export file.\n"
    "  chart NAME BIRTH [--from DATE] [--to DATE] [--size WxH] [--show LIST]\n"
    "        [--line-width N] [--no-legend] [--marks] --output FILE\n"
    "      The chart as a person window shows it at a client area of WxH\n"
    "      pixels (default 800x600, each side 100 to 10000), written as PNG,\n"
    "      SVG or PDF by FILE's extension. LIST is a comma-separated choice of\n"
    "      physical, emotional, intellectual, intuitional, aesthetic, spiritual,\n"
    "      sumclassical, sumtotal (default: the three classical cycles and\n"
    "      sumclassical; an empty LIST shows none). N is 0 to 100 (default 1).\n"
    "      The today indicator of the window is not drawn.\n"
    "  today NAME BIRTH\n"
    "      Today's eight values, five states and the comments page's headings.\n"
    "\n"
    "DATE and BIRTH are ISO 8601: YYYY-MM-DD, optionally THH:MM or THH:MM:SS\n"
    "(00:00:00 when left out). Without --from and --to the range is the\n"
    "current month; either one left out keeps that default.\n"
    "\n"
    "Options:\n"
    "  --help       this text\n"
    "  --version    the program's version\n"
    "\n"
    "Environment:\n"
    "  KELRA_NOW=YYYY-MM-DDTHH:MM:SS  use this moment as now instead of the\n"
    "                                 clock (for scripts and tests)\n"
    "  QT_QPA_PLATFORM                offscreen unless set; no display needed\n"
    "\n"
    "Exit status: 0 on success, 2 on bad input or an output that cannot be\n"
    "written (one line on standard error, no output file).\n";

class BadInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

struct Options {
    std::string command;
    std::vector<std::string> positional;
    std::optional<std::string> from, to, format, size, show, lineWidth, output;
    bool noLegend = false;
    bool marks = false;
};

bool TakesValue(const std::string& name) {
    return name == "--from" || name == "--to" || name == "--format" || name == "--size" || name == "--show" ||
           name == "--line-width" || name == "--output";
}

bool Allowed(const std::string& command, const std::string& name) {
    if (command == "table") return name == "--from" || name == "--to" || name == "--format";
    if (command == "chart")
        return name == "--from" || name == "--to" || name == "--size" || name == "--show" ||
               name == "--line-width" || name == "--no-legend" || name == "--marks" || name == "--output";
    return false;
}

Options Parse(const std::vector<std::string>& args) {
    Options o;
    o.command = args.at(0);
    if (o.command != "table" && o.command != "chart" && o.command != "today")
        throw BadInput("unknown command " + Quoted(o.command) + " (table, chart or today)");
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            o.positional.push_back(arg);
            continue;
        }
        std::string name = arg;
        std::optional<std::string> value;
        if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        if (!Allowed(o.command, name)) throw BadInput("unknown option " + Quoted(name) + " for " + o.command);
        if (TakesValue(name)) {
            if (!value) {
                if (i + 1 >= args.size()) throw BadInput("option " + name + " needs a value");
                value = args[++i];
            }
        } else if (value) {
            throw BadInput("option " + name + " takes no value");
        }
        if (name == "--from") o.from = value;
        else if (name == "--to") o.to = value;
        else if (name == "--format") o.format = value;
        else if (name == "--size") o.size = value;
        else if (name == "--show") o.show = value;
        else if (name == "--line-width") o.lineWidth = value;
        else if (name == "--output") o.output = value;
        else if (name == "--no-legend") o.noLegend = true;
        else if (name == "--marks") o.marks = true;
    }
    if (o.positional.size() != 2)
        throw BadInput(o.command + " needs NAME and BIRTH, got " + std::to_string(o.positional.size()) +
                       " argument" + (o.positional.size() == 1 ? "" : "s"));
    return o;
}

DateTime DateArg(const std::string& text, const char* what) {
    const std::optional<DateTime> date = ParseIsoDateTime(text);
    if (!date)
        throw BadInput(std::string("impossible ") + what + " " + Quoted(text) +
                       " (YYYY-MM-DD, optionally THH:MM[:SS])");
    return *date;
}

std::string IsoDate(const DateTime& d) { return d.Format("%Y-%m-%d"); }
std::string IsoDateTime(const DateTime& d) { return d.Format("%Y-%m-%dT%H:%M:%S"); }

PersonProfile MakeProfile(const Options& o, const DateTime& now) {
    PersonProfile p = MakeDefaultProfile(now);
    p.name = o.positional[0];
    p.birthDate = DateArg(o.positional[1], "birth date");
    if (o.from) p.startDate = DateArg(*o.from, "date for --from");
    if (o.to) p.endDate = DateArg(*o.to, "date for --to");
    if (!(p.startDate < p.endDate))
        throw BadInput("the end " + IsoDateTime(p.endDate) + " is not after the start " + IsoDateTime(p.startDate));
    return p;
}

std::string Number(double v) {
    // Shortest text that reads back as the same double.
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

// A series' name without blanks, as the column header ("SumClassical").
std::string Key(const SeriesDef& def) {
    std::string key = def.caption;
    std::erase(key, ' ');
    return key;
}

// The same with a small first letter, as the day record names it ("sumClassical").
std::string JsonKey(const SeriesDef& def) {
    std::string key = Key(def);
    key[0] = static_cast<char>(key[0] - 'A' + 'a');
    return key;
}

// The series table's order is the data file's column order.
std::string Csv(const DayRecordArray& days) {
    std::string out = "Date";
    for (const SeriesDef& def : SeriesTable()) out += "," + Key(def);
    out += '\n';
    for (const DayRecord& d : days) {
        out += IsoDate(d.date);
        for (const SeriesDef& def : SeriesTable()) out += "," + FormatFixed(d.*def.value, 2);
        out += '\n';
    }
    return out;
}

std::string Json(const DayRecordArray& days) {
    std::string out = "[";
    bool first = true;
    for (const DayRecord& d : days) {
        out += first ? "\n" : ",\n";
        first = false;
        out += "  {\"date\": \"" + IsoDate(d.date) + "\"";
        for (const SeriesDef& def : SeriesTable()) out += ", \"" + JsonKey(def) + "\": " + Number(d.*def.value);
        for (const SeriesDef& def : SeriesTable())
            if (def.state) out += ", \"" + JsonKey(def) + "State\": \"" + (d.*def.state).str() + "\"";
        out += "}";
    }
    out += first ? "]\n" : "\n]\n";
    return out;
}

int Table(const Options& o, std::string& out) {
    const std::string format = o.format.value_or("csv");
    if (format != "csv" && format != "json" && format != "datafile")
        throw BadInput("unknown format " + Quoted(format) + " (csv, json or datafile)");
    PersonProfile profile = MakeProfile(o, Now());
    CBiorhythmCalc calc;
    DayRecordArray days;
    calc.Compute(days, profile);
    if (format == "csv") out = Csv(days);
    else if (format == "json") out = Json(days);
    else out = DataFileText(days);
    return 0;
}

int Today(const Options& o, std::string& out) {
    const DateTime now = Now();
    PersonProfile profile = MakeProfile(o, now);
    // Today's record as the window's default range gives it: the day at noon.
    profile.startDate = profile.endDate = DateTime(now.Year(), now.Month(), now.Day(), 12, 0, 0);
    CBiorhythmCalc calc;
    DayRecordArray days;
    calc.Compute(days, profile);
    const DayRecord& d = profile.todayRecord;
    out = "Today: " + IsoDate(now) + "\n";
    out += "Day of life: " + std::to_string(profile.dayOfLife) + "\n";
    for (const SeriesDef& def : SeriesTable()) {
        out += std::string(def.caption) + ": " + FormatFixed(d.*def.value, 2);
        if (def.state && !(d.*def.state).empty()) out += " " + (d.*def.state).str();
        out += '\n';
    }
    const StateText states[3] = {d.physicalState, d.emotionalState, d.intellectualState};
    for (int c = 0; c < 3; ++c) {
        const CommentSection section = SectionOf(states[c].view());
        if (section == CommentSection::none) continue;
        out += std::string(CommentHeading(static_cast<CommentCycle>(c), section)) + "\n";
    }
    return 0;
}

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto res = std::from_chars(text.data(), end, value);
    return res.ec == std::errc() && res.ptr == end && !text.empty();
}

QSize SizeArg(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    int w = 0, h = 0;
    if (x == std::string::npos || !ParseInt(text.substr(0, x), w) || !ParseInt(text.substr(x + 1), h) ||
        w < kMinSide || h < kMinSide || w > kMaxSide || h > kMaxSide || text[0] == '+' || text[x + 1] == '+')
        throw BadInput("size " + Quoted(text) + " is not WxH with both from 100 to 10000");
    return QSize(w, h);
}

void ApplyShow(const std::string& list, PersonProfile& p) {
    for (const SeriesDef& def : SeriesTable()) p.*def.on = false;
    std::size_t start = 0;
    while (start <= list.size() && !list.empty()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string item = ToLower(list.substr(start, comma - start));
        bool found = false;
        for (const SeriesDef& def : SeriesTable()) {
            if (ToLower(Key(def)) == item) {
                p.*def.on = true;
                found = true;
            }
        }
        if (!found)
            throw BadInput("unknown series " + Quoted(item) +
                           " in --show (physical, emotional, intellectual, intuitional, aesthetic, spiritual, "
                           "sumclassical, sumtotal)");
        start = comma + 1;
    }
}

int Chart(const Options& o) {
    if (!o.output) throw BadInput("chart needs --output FILE");
    const QSize size = SizeArg(o.size.value_or("800x600"));
    int lineWidth = 1;
    if (o.lineWidth && (!ParseInt(*o.lineWidth, lineWidth) || lineWidth < 0 || lineWidth > kMaxLineWidth ||
                        (*o.lineWidth)[0] == '+'))
        throw BadInput("line width " + Quoted(*o.lineWidth) + " is not a whole number from 0 to 100");
    const DateTime now = Now();
    PersonProfile profile = MakeProfile(o, now);
    if (o.show) ApplyShow(*o.show, profile);

    CBiorhythmCalc calc;
    DayRecordArray days;
    calc.Compute(days, profile);
    FixedSizeHost host(size);
    CycleChart chart(&host);
    const std::vector<int> shown = BindSeries(chart, profile);
    std::string workText;
    FillRows(chart, days, profile, shown, now, workText);
    chart.lineWidth = lineWidth;
    chart.showLegend = !o.noLegend;
    chart.showMarks = o.marks;

    const QString failure = SaveChartPicture(chart, QString::fromLocal8Bit(o.output->c_str()), size);
    if (!failure.isEmpty()) throw BadInput(failure.toLocal8Bit().toStdString());
    return 0;
}

}  // namespace

std::optional<DateTime> ParseIsoDateTime(std::string_view text) {
    // Fixed positions: YYYY-MM-DD[THH:MM[:SS]].
    if (text.size() != 10 && text.size() != 16 && text.size() != 19) return std::nullopt;
    const auto digits = [&](std::size_t at, std::size_t count, int& value) {
        value = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            if (text[i] < '0' || text[i] > '9') return false;
            value = value * 10 + (text[i] - '0');
        }
        return true;
    };
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!digits(0, 4, year) || text[4] != '-' || !digits(5, 2, month) || text[7] != '-' || !digits(8, 2, day))
        return std::nullopt;
    if (text.size() >= 16 && (text[10] != 'T' || !digits(11, 2, hour) || text[13] != ':' || !digits(14, 2, minute)))
        return std::nullopt;
    if (text.size() == 19 && (text[16] != ':' || !digits(17, 2, second))) return std::nullopt;
    const DateTime date(year, month, day, hour, minute, second);
    if (!date.IsValid()) return std::nullopt;
    return date;
}

int Run(const std::vector<std::string>& args, std::string& out, std::string& err) {
    out.clear();
    err.clear();
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out = kHelp;
            return 0;
        }
        if (arg == "--version") {
            out = std::string(kProgram) + " " + KELRA_VERSION + "\n";
            return 0;
        }
    }
    try {
        if (args.empty()) throw BadInput("no command (table, chart or today); see kelra-cli --help");
        const Options o = Parse(args);
        if (o.command == "table") return Table(o, out);
        if (o.command == "today") return Today(o, out);
        return Chart(o);
    } catch (const BadInput& e) {
        out.clear();
        err = std::string(kProgram) + ": " + e.what() + "\n";
        return kBadInput;
    }
}

}  // namespace kelra::cli
