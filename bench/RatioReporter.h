#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

enum class TRatioKind {
  Throughput, // baseline's time / figure's time, for the same bytes
  TimeTaken,  // figure's time / baseline's time
  Counter,    // a ratio the figure computed itself, in the counter named Against
};

// A figure set beside its baseline from the same run, and the bar it must meet.
struct TComparison {
  TRatioKind Kind;
  std::string Figure;
  std::string Against; // the baseline benchmark, or the counter's name
  std::optional<double> Limit; // none: the ratio is reported, with no bar to meet
  bool AtLeast = false;        // the ratio must be >= Limit (else <= Limit)
};

// Prints the benchmarks as the console reporter does and keeps their figures, to print the
// comparisons as ratios afterwards.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& Runs) override;
  // Prints one line per comparison; returns whether every bar was met.
  bool PrintRatios(const std::vector<TComparison>& Comparisons) const;

private:
  bool FindRatio(const TComparison& Comparison, double& Ratio) const;

  std::map<std::string, double> TimePerIteration;
  std::map<std::string, std::map<std::string, double>> Counters;
};

// Runs the registered benchmarks, then prints the comparisons; the exit code of a bench program.
int RunBenchmarksWithRatios(int argc, char** argv, const std::vector<TComparison>& Comparisons);
