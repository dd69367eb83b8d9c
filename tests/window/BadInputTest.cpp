// Bad input through the window: each answers with its clear message or the right bytes, and
// the window stays usable.

#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>

class BadInput : public WindowTest {
protected:
  // Replaces a field's text the way a user pastes it, unfiltered.
  static void Paste(QLineEdit* Field, const QString& Text)
  {
    QApplication::clipboard()->setText(Text);
    Field->selectAll();
    QTest::keyClick(Field, Qt::Key_Insert, Qt::ShiftModifier);
  }

  std::string ROM = Folder / "bad.nes";
};

TEST_F(BadInput, RangeTextsGetTheirMessagesOrChangeTheRightBytes)
{
  constexpr std::size_t Size = 0x100;
  WriteBytes(ROM, TestROM(Size));
  OpenROM(ROM);
  const struct {
    const char* Start;
    const char* End;
    const char* Answer; // the error or the message shown
    bool ChangesLastByte;
  } Cases[] = {
      {"", "10", "'$' is not a valid integer value.", false},
      {"10", "", "'$' is not a valid integer value.", false},
      {"0", "123456789", "'$123456789' is not a valid integer value.", false},
      {" 10", "20", "'$ 10' is not a valid integer value.", false},
      {"10", "2O", "'$2O' is not a valid integer value.", false},
      {"0", "FFFFFFFF", "The end range is less than the start range.", false},
      {"80000000", "10", "The range must lie within the ROM, from 00000 to 000FF.", false},
      {"100", "100", "The range must lie within the ROM, from 00000 to 000FF.", false},
      {"0", "100", "The range must lie within the ROM, from 00000 to 000FF.", false},
      {"0000000000FF", "000000000FF", "Bytes between 0000000000FF to 000000000FF have been replaced with 00.", true},
  };
  for (const auto& Case : Cases) {
    Dialogs->Messages.clear();
    Dialogs->Errors.clear();
    Paste(Ui().txtStartRange, Case.Start);
    Paste(Ui().txtEndRange, Case.End);
    EXPECT_EQ(Ui().txtStartRange->text(), Case.Start);
    QTest::mouseClick(Ui().cmdCorrupt, Qt::LeftButton);
    EXPECT_EQ(Dialogs->Messages + Dialogs->Errors, QStringList{Case.Answer}) << Case.Start << " to " << Case.End;
    TBytes Expected = TestROM(Size);
    if (Case.ChangesLastByte)
      Expected.back() = 0x00;
    EXPECT_EQ(ReadBytes(ROM), Expected) << Case.Start << " to " << Case.End;
  }
}

TEST_F(BadInput, AnEmptyROMHasNoBytesToCorrupt)
{
  WriteBytes(ROM, {});
  OpenROM(ROM);
  Corrupt("0", "0", 0);
  EXPECT_EQ(Dialogs->Messages, QStringList{"The ROM is empty: there are no bytes to corrupt."});
  Ui().actSaveROM->trigger();
  EXPECT_TRUE(ReadBytes(ROM).empty());
  EXPECT_TRUE(Dialogs->Errors.isEmpty());
}

TEST_F(BadInput, LogsWithoutRangesOrBeyondTheROM)
{
  WriteBytes(ROM, TestROM(0x40));
  OpenROM(ROM);
  const struct {
    TBytes Log;
    const char* Status;
  } Cases[] = {
      {{}, "Available Ranges: 0"},
      {TBytes(4096, 0xFF), "Available Ranges: 0"},
      {TestLog({{0x20, 0x2F}, {0x100, 0x1FF}}), "Available Ranges: 2"},
  };
  for (const auto& Case : Cases) {
    WriteBytes(Folder / "bad.cdl", Case.Log);
    OpenCDL(Folder / "bad.cdl");
    EXPECT_EQ(Window->StatusPanel().text(), Case.Status);
    EXPECT_EQ(Ui().lvwCDLOffsets->model()->rowCount(), QString(Case.Status).section(' ', 2).toInt());
  }
  // A range of a log larger than the ROM is listed, but corrupting it is refused.
  DoubleClickRow(1);
  QTest::mouseClick(Ui().cmdCorrupt, Qt::LeftButton);
  EXPECT_EQ(Dialogs->Messages.last(), "The range must lie within the ROM, from 00000 to 0003F.");
  EXPECT_EQ(ReadBytes(ROM), TestROM(0x40));
  EXPECT_TRUE(Dialogs->Errors.isEmpty());
}

TEST_F(BadInput, AROMAndALogOfSixteenMebibytes)
{
  constexpr std::size_t Size = std::size_t{16} << 20;
  const TBytes Original = TestROM(Size);
  WriteBytes(ROM, Original);
  TBytes Log(Size, 0x00);
  for (std::size_t Index = 0; Index < Size; Index += 16)
    Log[Index] = 0x02; // a one-byte range every sixteen bytes: a million of them
  WriteBytes(Folder / "bad.cdl", Log);
  OpenROM(ROM);
  OpenCDL(Folder / "bad.cdl");
  EXPECT_EQ(Window->StatusPanel().text(), "Available Ranges: 1048576");
  EXPECT_LE(Window->StatusPanel().sizeHint().width(), Window->StatusPanel().width()) << "the status text shows in full";

  Corrupt("0", "FFFFFF", 3);
  EXPECT_EQ(Dialogs->Messages.last(), "Bytes between 0 to FFFFFF have been randomised.");
  const TBytes Saved = ReadBytes(ROM);
  ASSERT_EQ(Saved.size(), Size);
  EXPECT_NE(Saved, Original);
  Ui().actRestoreROM->trigger();
  EXPECT_TRUE(ReadBytes(ROM) == Original);
  EXPECT_TRUE(Dialogs->Errors.isEmpty());
}
