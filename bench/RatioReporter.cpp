#include "RatioReporter.h"

#include <cstdio>

void TRatioReporter::ReportRuns(const std::vector<Run>& Runs)
{
  ConsoleReporter::ReportRuns(Runs);
  for (const Run& Result : Runs) {
    if (Result.error_occurred || Result.run_type != Run::RT_Iteration)
      continue;
    const std::string Name = Result.run_name.function_name;
    TimePerIteration[Name] = Result.GetAdjustedRealTime();
    for (const auto& [CounterName, Counter] : Result.counters)
      Counters[Name][CounterName] = Counter.value;
  }
}

bool TRatioReporter::FindRatio(const TComparison& Comparison, double& Ratio) const
{
  if (Comparison.Kind == TRatioKind::Counter) {
    const auto Figure = Counters.find(Comparison.Figure);
    if (Figure == Counters.end() || !Figure->second.contains(Comparison.Against))
      return false;
    Ratio = Figure->second.at(Comparison.Against);
    return true;
  }
  if (!TimePerIteration.contains(Comparison.Figure) || !TimePerIteration.contains(Comparison.Against))
    return false;
  const double Figure = TimePerIteration.at(Comparison.Figure);
  const double Baseline = TimePerIteration.at(Comparison.Against);
  Ratio = Comparison.Kind == TRatioKind::Throughput ? Baseline / Figure : Figure / Baseline;
  return true;
}

bool TRatioReporter::PrintRatios(const std::vector<TComparison>& Comparisons) const
{
  static const char* const KindNames[] = {"throughput vs", "time vs", "counter"};
  bool AllMet = true;
  std::printf("\n%-26s %-14s %-24s %9s   %s\n", "figure", "ratio", "of", "value", "bar");
  for (const TComparison& Comparison : Comparisons) {
    double Ratio = 0;
    if (!FindRatio(Comparison, Ratio))
      continue; // not run (filtered out)
    std::printf("%-26s %-14s %-24s %9.3f   ", Comparison.Figure.c_str(), KindNames[static_cast<int>(Comparison.Kind)],
                Comparison.Against.c_str(), Ratio);
    if (!Comparison.Limit) {
      std::printf("(reported)\n");
      continue;
    }
    const double Limit = *Comparison.Limit;
    const bool Met = Comparison.AtLeast ? Ratio >= Limit : Ratio <= Limit;
    AllMet = AllMet && Met;
    std::printf("%s %.2f %s\n", Comparison.AtLeast ? ">=" : "<=", Limit, Met ? "met" : "NOT MET");
  }
  return AllMet;
}

int RunBenchmarksWithRatios(int argc, char** argv, const std::vector<TComparison>& Comparisons)
{
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 2;
  TRatioReporter Reporter;
  benchmark::RunSpecifiedBenchmarks(&Reporter);
  benchmark::Shutdown();
  return Reporter.PrintRatios(Comparisons) ? 0 : 1;
}
