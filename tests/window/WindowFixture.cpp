#include "WindowFixture.h"

#include "BackupPath.h"

#include <QCoreApplication>
#include <filesystem>

void WindowTest::SetUp()
{
  auto Scripted = std::make_unique<TScriptedDialogs>();
  Dialogs = Scripted.get();
  Window = std::make_unique<TfrmTavroxMain>(std::move(Scripted));
  Window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
  Window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
}

void WindowTest::TearDown()
{
  if (Window->isVisible())
    CloseWindow(TConfirmAnswer::No);
  Window.reset();
  std::error_code Error;
  for (const std::string& Backup : Backups)
    std::filesystem::remove_all(Backup, Error);
}

void WindowTest::OpenROM(const std::string& Path)
{
  Backups.push_back(BackupPathFor(QCoreApplication::applicationDirPath().toStdString(), Path));
  Dialogs->Files.push_back(QString::fromStdString(Path));
  Ui().actOpenROM->trigger();
}

void WindowTest::OpenCDL(const std::string& Path)
{
  Dialogs->Files.push_back(QString::fromStdString(Path));
  Ui().actOpenCDL->trigger();
}

void WindowTest::SelectMode(int Mode)
{
  QAbstractButton* const Items[] = {Ui().rdoReplaceByte, Ui().rdoIncreaseBy, Ui().rdoDecreaseBy, Ui().rdoRandomBytes};
  // Clicked on its indicator: only the indicator and the caption take clicks.
  QTest::mouseClick(Items[Mode], Qt::LeftButton, {}, QPoint(6, Items[Mode]->height() / 2));
}

void WindowTest::Corrupt(const QString& Start, const QString& End, int Mode)
{
  Ui().txtStartRange->setText(Start);
  Ui().txtEndRange->setText(End);
  SelectMode(Mode);
  QTest::mouseClick(Ui().cmdCorrupt, Qt::LeftButton);
}

void WindowTest::DoubleClickRow(int Row)
{
  QTableView* const View = Ui().lvwCDLOffsets;
  const QRect Cell = View->visualRect(View->model()->index(Row, 1));
  QTest::mouseClick(View->viewport(), Qt::LeftButton, {}, Cell.center());
  QTest::mouseDClick(View->viewport(), Qt::LeftButton, {}, Cell.center());
}

void WindowTest::CloseWindow(TConfirmAnswer Answer)
{
  Dialogs->Answers.push_back(Answer);
  Window->close();
  Dialogs->Answers.clear();
}

std::string WindowTest::BackupBesideProgram(const std::string& BackupName)
{
  return QCoreApplication::applicationDirPath().toStdString() + "/" + BackupName;
}

TBytes TestROM(std::size_t Size)
{
  TBytes ROM(Size);
  for (std::size_t Offset = 0; Offset < Size; ++Offset)
    ROM[Offset] = static_cast<std::uint8_t>(Offset);
  const std::uint8_t Header[] = {'N', 'E', 'S', 0x1A, 1, 0};
  std::copy(std::begin(Header), std::end(Header), ROM.begin());
  return ROM;
}

TBytes TestLog(const std::vector<std::pair<int, int>>& Ranges)
{
  TBytes Log;
  for (const auto& [Start, End] : Ranges) {
    Log.resize(std::max(Log.size(), static_cast<std::size_t>(End - 16 + 2)), 0x01);
    std::fill(Log.begin() + (Start - 16), Log.begin() + (End - 16 + 1), 0x03);
  }
  return Log;
}

void PrintTo(const QString& Text, std::ostream* Out)
{
  *Out << '"' << Text.toStdString() << '"';
}

void PrintTo(const QStringList& Texts, std::ostream* Out)
{
  *Out << '{';
  for (const QString& Text : Texts)
    PrintTo(Text, Out), *Out << ", ";
  *Out << '}';
}
