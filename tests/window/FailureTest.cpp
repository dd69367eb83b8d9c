// Files that cannot be read and texts that are not numbers: each is shown once by the error
// display, ends its command there, and leaves the window usable.

#include "WindowFixture.h"

#include <QLabel>
#include <filesystem>

namespace fs = std::filesystem;

class Failure : public WindowTest {
protected:
  std::string ROM = Folder / "failure.nes";
};

TEST_F(Failure, AMissingROMIsReportedAndNothingIsWrittenOverItsName)
{
  OpenROM(ROM);
  EXPECT_EQ(Dialogs->Errors, QStringList{QString::fromStdString("Cannot open file \"" + ROM +
                                                                "\". No such file or directory.")});
  EXPECT_EQ(Window->windowTitle(), "Tavrox v0.1.1 - failure.nes");
  EXPECT_TRUE(Ui().cmdCorrupt->isEnabled());

  Corrupt("0", "0", 0);
  Ui().actSaveROM->trigger();
  EXPECT_EQ(Dialogs->Messages.mid(1), QStringList({"No ROM image is loaded.", "No ROM image is loaded."}));
  EXPECT_FALSE(fs::exists(ROM)) << "no empty or stale image was saved over the new name";

  WriteBytes(ROM, TestROM(64));
  OpenROM(ROM);
  Corrupt("10", "10", 0);
  EXPECT_EQ(Dialogs->Messages.last(), "Bytes between 10 to 10 have been replaced with 00.");
  EXPECT_EQ(ReadBytes(ROM)[0x10], 0x00);
  EXPECT_EQ(Dialogs->Errors.size(), 1);
}

TEST_F(Failure, AnUnreadableSecondROMNeverGetsTheFirstOnesImage)
{
  const std::string First = Folder / "first.nes";
  WriteBytes(First, TestROM(64));
  OpenROM(First);
  OpenROM(ROM); // missing
  Corrupt("10", "1F", 0);
  Ui().actSaveROM->trigger();
  EXPECT_FALSE(fs::exists(ROM));
  EXPECT_EQ(ReadBytes(First), TestROM(64));

  WriteBytes(ROM, TestROM(32));
  Ui().actRestoreROM->trigger(); // no backup could be made, but the ROM is read again
  Corrupt("10", "1F", 0);
  EXPECT_EQ(Dialogs->Messages.last(), "Bytes between 10 to 1F have been replaced with 00.");
  EXPECT_EQ(ReadBytes(ROM).size(), 32u);
}

TEST_F(Failure, AMissingLogIsReportedAndTheOldRowsStay)
{
  WriteBytes(ROM, TestROM(0x100));
  WriteBytes(Folder / "game.cdl", TestLog({{0x10, 0x1F}, {0x30, 0x3F}}));
  OpenROM(ROM);
  OpenCDL(Folder / "game.cdl");
  const std::string Missing = Folder / "missing.cdl";
  OpenCDL(Missing);
  EXPECT_EQ(Dialogs->Errors, QStringList{QString::fromStdString("Cannot open file \"" + Missing +
                                                                "\". No such file or directory.")});
  EXPECT_EQ(Window->StatusPanel().text(), "Available Ranges: 2");
  EXPECT_EQ(Ui().lvwCDLOffsets->model()->rowCount(), 2);

  // The rows now outlive their ranges: a double click names the row it cannot find.
  Ui().txtStartRange->setText("5");
  DoubleClickRow(1);
  EXPECT_EQ(Dialogs->Errors.last(), "List index out of bounds (1)");
  EXPECT_EQ(Ui().txtStartRange->text(), "5");

  Ui().actExportCDLDataToFile->trigger();
  EXPECT_EQ(ReadText(Folder / "failure.txt"), "Tavrox CDL Data Ranges for:\r\n" + ROM + "\r\n\r\n");
}

TEST_F(Failure, TextsThatAreNotNumbersEndTheCommandBeforeAnyByteChanges)
{
  WriteBytes(ROM, TestROM(0x100));
  OpenROM(ROM);
  const struct {
    const char* Start;
    const char* End;
    const char* Value;
    int Mode;
    const char* Error;
  } Cases[] = {
      {"G1", "", "00", 0, "'$' is not a valid integer value."},
      {"G1", "10", "00", 0, "'$G1' is not a valid integer value."},
      {"10", "20", "", 0, "'$' is not a valid integer value."},
      {"10", "20", "x", 1, "'$x' is not a valid integer value."},
  };
  for (const auto& Case : Cases) {
    Ui().txtReplaceByte->setText(Case.Value);
    Ui().txtIncreaseBy->setText(Case.Value);
    Corrupt(Case.Start, Case.End, Case.Mode);
    EXPECT_EQ(Dialogs->Errors.last(), Case.Error);
  }
  EXPECT_EQ(Dialogs->Errors.size(), 4);
  EXPECT_TRUE(Dialogs->Messages.isEmpty());
  EXPECT_EQ(ReadBytes(ROM), TestROM(0x100));

  Corrupt("10", "20", 3); // the malformed value texts do not matter in this mode
  EXPECT_EQ(Dialogs->Messages, QStringList{"Bytes between 10 to 20 have been randomised."});
}
