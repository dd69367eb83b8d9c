// How fast the real window shows the ranges of a log, offscreen.

#include "RatioReporter.h"
#include "TavroxMain.h"
#include "ui_TavroxMain.h"

#include <QApplication>
#include <QWindow>
#include <QStandardPaths>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <vector>

namespace {

// Answers the open-file dialog with one path; nothing else is asked of it here.
class TOneFileDialogs : public TDialogs {
public:
  QString Path;
  std::optional<QString> OpenFile(const QString&, const QStringList&) override { return Path; }
  void ShowMessage(const QString&) override {}
  TConfirmAnswer Confirm(const QString&, TConfirmButtons) override { return TConfirmAnswer::No; }
  void ShowError(const QString& Message) override { qFatal("%s", qPrintable(Message)); }
  void ShowExportDone(const QString&) override {}
};

// A log of Ranges one-byte data runs, each followed by a byte without the flag.
std::string WriteLog(int Ranges)
{
  const auto Path = std::filesystem::temp_directory_path() / ("tavrox-bench-" + std::to_string(Ranges) + ".cdl");
  std::vector<char> Bytes(static_cast<std::size_t>(Ranges) * 2);
  for (std::size_t Index = 0; Index < Bytes.size(); Index += 2)
    Bytes[Index] = 0x02;
  std::ofstream(Path, std::ios::binary).write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  return Path.string();
}

std::size_t HeapInUse()
{
  return mallinfo2().uordblks;
}

// Opens the log through Open CDL and paints the window, as a user sees it after choosing it.
void ShowRanges(benchmark::State& State, int Ranges)
{
  const std::string Log = WriteLog(Ranges);
  auto Dialogs = std::make_unique<TOneFileDialogs>();
  Dialogs->Path = QString::fromStdString(Log);
  TfrmTavroxMain Window(std::move(Dialogs));
  Window.show();
  while (!Window.windowHandle()->isExposed())
    QCoreApplication::processEvents();
  Window.Controls().actOpenCDL->setEnabled(true);
  const std::size_t HeapWithoutRanges = HeapInUse();
  double Seconds = 0;
  for (auto _ : State) {
    const auto Start = std::chrono::steady_clock::now();
    Window.Controls().actOpenCDL->trigger();
    Window.repaint();
    Seconds = std::max(Seconds, std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count());
  }
  // What showing the ranges keeps: the list itself, and what the model and view add to it
  // (the table's row header keeps an entry per row, even hidden).
  const double Retained = double(HeapInUse()) - double(HeapWithoutRanges);
  State.counters["slowest_seconds"] = Seconds;
  State.counters["ranges"] = Ranges;
  State.counters["memory_vs_8_bytes_a_range"] = Retained / (8.0 * Ranges);
  std::filesystem::remove(Log);
}

void ShowTenRanges(benchmark::State& State) { ShowRanges(State, 10); }
void ShowAMillionRanges(benchmark::State& State) { ShowRanges(State, 1'000'000); }

} // namespace

BENCHMARK(ShowTenRanges)->Unit(benchmark::kMillisecond);
BENCHMARK(ShowAMillionRanges)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QApplication Application(argc, argv);
  return RunBenchmarksWithRatios(argc, argv,
                                 {
                                     {TRatioKind::TimeTaken, "ShowAMillionRanges", "ShowTenRanges", std::nullopt},
                                     {TRatioKind::Counter, "ShowAMillionRanges", "slowest_seconds", 0.2, false},
                                     {TRatioKind::Counter, "ShowAMillionRanges", "memory_vs_8_bytes_a_range", std::nullopt},
                                 });
}
