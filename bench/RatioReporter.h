#pragma once
// The console report of Google Benchmark, followed by ratios between the
// benchmarks of the same run: "name / reference = r (real time), r (CPU
// time)", each from the medians when repetitions were asked for, otherwise
// from the mean time per iteration. The goals of the viewer are ratios,
// because the machines that measure differ and are noisy; on a shared
// machine the CPU time is the steadier of the two. Times are taken as given,
// so the benchmarks compared share one unit.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    // Benchmark names as registered, without the aggregate suffix.
    void AddRatio(std::string name, std::string reference) { FRatios.emplace_back(std::move(name), std::move(reference)); }

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            // A benchmark timed in another thread reports that thread's CPU time as "cpu_ms".
            double cpu = run.GetAdjustedCPUTime();
            if (auto c = run.counters.find("cpu_ms"); c != run.counters.end()) cpu = c->second.value;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                FMedian[name] = {run.GetAdjustedRealTime(), cpu};
            } else if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                TSum& sum = FSum[name];
                sum.Real += run.GetAdjustedRealTime();
                sum.Cpu += cpu;
                sum.Runs += 1;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, reference] : FRatios) {
            const TTimes a = Times(name), b = Times(reference);
            if (a.Real > 0 && b.Real > 0 && b.Cpu > 0)
                std::printf("%s / %s = %.3f (real time), %.3f (CPU time)\n", name.c_str(), reference.c_str(),
                            a.Real / b.Real, a.Cpu / b.Cpu);
        }
        std::fflush(stdout);
    }

private:
    struct TTimes {
        double Real = 0, Cpu = 0;
    };
    struct TSum {
        double Real = 0, Cpu = 0;
        int Runs = 0;
    };
    TTimes Times(const std::string& name) const {
        if (auto m = FMedian.find(name); m != FMedian.end()) return m->second;
        if (auto s = FSum.find(name); s != FSum.end() && s->second.Runs > 0)
            return {s->second.Real / s->second.Runs, s->second.Cpu / s->second.Runs};
        return {};
    }

    std::vector<std::pair<std::string, std::string>> FRatios;
    std::map<std::string, TTimes> FMedian;
    std::map<std::string, TSum> FSum;
};
