// Runs every benchmark, then prints each statistics-file operation beside the floor it cannot
// beat, measured in the same run, as a ratio.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <map>
#include <string>

namespace {

class RatioReporter final : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const {
        const std::pair<const char*, const char*> pairs[] = {
            {"BM_ReadNames", "BM_FloorReadWholeFile"},
            // Recording writes the whole file aside: within twice one copy of it.
            {"BM_RecordGameFirstPlayer", "BM_FloorCopyFile"},
            {"BM_RecordGameLastPlayer", "BM_FloorCopyFile"},
            {"BM_RecordGameLastPlayer", "BM_FloorCopyFileFlushed"},
            {"BM_RemoveRecord", "BM_FloorCopyFile"},
            {"BM_RemoveRecord", "BM_FloorCopyFileFlushed"},
            {"BM_LoadLoginList", "BM_FloorFillComboBox"},
        };
        std::printf("\n%-28s %-24s %s\n", "operation", "floor", "ratio");
        for (const auto& [operation, floor] : pairs) {
            const auto op = times_.find(operation);
            const auto fl = times_.find(floor);
            if (op == times_.end() || fl == times_.end() || fl->second <= 0) continue;
            std::printf("%-28s %-24s %.2f\n", operation, floor, op->second / fl->second);
        }
    }

  private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
