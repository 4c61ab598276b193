// Compute against its floor (the six sines alone), and the data export.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>

#include "BiorhythmCalc.h"
#include "Clock.h"
#include "DataFile.h"

using namespace kelra;

namespace {

std::map<int, double> gNsPerRun[2];  // [0] Compute, [1] floor, by days

PersonProfile Range(int days) {
    PersonProfile p;
    p.birthDate = DateTime(1980, 5, 17, 6, 30);
    p.startDate = DateTime(2000, 1, 1, 12);
    p.endDate = p.startDate.AddDays(days - 1);
    return p;
}

void BM_Compute(benchmark::State& state) {
    ScopedFixedClock clock(DateTime(2026, 12, 6, 12));
    const int n = static_cast<int>(state.range(0));
    PersonProfile p = Range(n);
    CBiorhythmCalc calc;
    DayRecordArray days;
    for (auto _ : state) {
        calc.Compute(days, p);
        benchmark::DoNotOptimize(days.data());
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_SinesFloor(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int t0 = 7168;
    for (auto _ : state) {
        double acc = 0;
        for (int i = 0; i < n; ++i) {
            const double a = (t0 + i) * 6.283185307179586;
            acc += std::sin(a * (1.0 / 23)) + std::sin(a * (1.0 / 28)) + std::sin(a * (1.0 / 33)) +
                   std::sin(a * (1.0 / 38)) + std::sin(a * (1.0 / 43)) + std::sin(a * (1.0 / 53));
        }
        benchmark::DoNotOptimize(acc);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_Export(benchmark::State& state) {
    ScopedFixedClock clock(DateTime(2026, 12, 6, 12));
    PersonProfile p = Range(36525);
    DayRecordArray days;
    CBiorhythmCalc().Compute(days, p);
    const auto dir = std::filesystem::temp_directory_path() / "kelra-bench-export";
    std::filesystem::create_directories(dir);
    for (auto _ : state) {
        auto r = WriteDataFile("Bench", days, Now(), dir.string());
        if (!r.ok()) state.SkipWithError("export failed");
    }
    std::filesystem::remove_all(dir);
    state.SetItemsProcessed(state.iterations() * 36525);
}

}  // namespace

BENCHMARK(BM_Compute)->Arg(31)->Arg(3653)->Arg(36525);
BENCHMARK(BM_SinesFloor)->Arg(31)->Arg(3653)->Arg(36525);
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

// Prints the ratio of Compute to its floor after the usual report.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& r : runs) {
            const std::string name = r.benchmark_name();
            const auto slash = name.find('/');
            if (slash == std::string::npos) continue;
            const int arg = std::stoi(name.substr(slash + 1));
            const int which = name.rfind("BM_Compute", 0) == 0 ? 0 : name.rfind("BM_SinesFloor", 0) == 0 ? 1 : -1;
            if (which >= 0) gNsPerRun[which][arg] = r.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [days, ns] : gNsPerRun[0]) {
            auto f = gNsPerRun[1].find(days);
            if (f != gNsPerRun[1].end() && f->second > 0)
                std::printf("Compute / floor at %d days: %.2f\n", days, ns / f->second);
        }
    }
};

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
