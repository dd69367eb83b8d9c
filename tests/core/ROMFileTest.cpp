#include "Errors.h"
#include "ROMFile.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

TBytes Pattern(std::size_t Size)
{
  TBytes Bytes(Size);
  for (std::size_t Index = 0; Index < Size; ++Index)
    Bytes[Index] = static_cast<std::uint8_t>(Index * 7 + Index / 251);
  return Bytes;
}

} // namespace

TEST(ROMFile, LoadAndSaveRoundTripExactly)
{
  const TTempFolder Folder;
  for (const std::size_t Size : {std::size_t{0}, std::size_t{1}, std::size_t{16}, std::size_t{40976}, std::size_t{3} << 20}) {
    const TBytes Content = Pattern(Size);
    WriteBytes(Folder / "in.nes", Content);
    const TROMImage Image = LoadROMImage(Folder / "in.nes");
    EXPECT_EQ(Image, Content) << Size;
    SaveROMImage(Folder / "out.nes", Image);
    EXPECT_EQ(ReadBytes(Folder / "out.nes"), Content) << Size;
  }
}

TEST(ROMFile, SavingReplacesTheFileAndKeepsItsPermissions)
{
  const TTempFolder Folder;
  const std::string ROM = Folder / "game.nes";
  WriteBytes(ROM, Pattern(4096));
  fs::permissions(ROM, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  SaveROMImage(ROM, TROMImage(10, 0xAA));
  EXPECT_EQ(ReadBytes(ROM), TBytes(10, 0xAA));
  EXPECT_EQ(fs::status(ROM).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(FileNamesIn(Folder.Path()), std::vector<std::string>{"game.nes"});
}

TEST(ROMFile, SavingThroughASymbolicLinkWritesItsTarget)
{
  const TTempFolder Folder;
  fs::create_directory(Folder.Path() / "real");
  WriteBytes(Folder / "real/game.nes", Pattern(100));
  fs::create_symlink("real/game.nes", Folder.Path() / "link.nes");
  SaveROMImage(Folder / "link.nes", TROMImage{1, 2, 3});
  EXPECT_TRUE(fs::is_symlink(Folder.Path() / "link.nes"));
  EXPECT_EQ(ReadBytes(Folder / "real/game.nes"), (TBytes{1, 2, 3}));
  EXPECT_EQ(FileNamesIn(Folder.Path() / "real"), std::vector<std::string>{"game.nes"});
}

TEST(ROMFile, AMissingFileGivesTheFileOpenErrorText)
{
  const TTempFolder Folder;
  const std::string Missing = Folder / "missing.nes";
  EXPECT_EQ(MessageOf<TFileOpenError>([&] { LoadROMImage(Missing); }),
            "Cannot open file \"" + Missing + "\". No such file or directory");
  EXPECT_EQ(MessageOf<TFileOpenError>([&] { LoadROMImage(Folder.Path().string()); }),
            "Cannot open file \"" + Folder.Path().string() + "\". Is a directory");
}

TEST(ROMFile, AFileTooLargeForThirtyTwoBitOffsetsIsRefusedBeforeReading)
{
  const TTempFolder Folder;
  const std::string Huge = Folder / "huge.nes";
  WriteBytes(Huge, {});
  fs::resize_file(Huge, std::uintmax_t{MaxROMSize} + 1); // sparse: costs no disk space
  EXPECT_EQ(MessageOf<TFileTooLargeError>([&] { LoadROMImage(Huge); }),
            "The file \"" + Huge + "\" is too large: at most 2147483647 bytes can be read, so that every offset fits "
                                   "in 32 bits");
}

TEST(ROMFile, ASaveOntoAFolderFailsAndLeavesNothingBehind)
{
  const TTempFolder Folder;
  const std::string Target = Folder / "game.nes";
  fs::create_directory(Target);
  EXPECT_EQ(MessageOf<TFileCreateError>([&] { SaveROMImage(Target, TROMImage(8, 1)); }),
            "Cannot create file \"" + Target + "\". Is a directory");
  EXPECT_TRUE(fs::is_directory(Target));
  EXPECT_EQ(FileNamesIn(Folder.Path()), std::vector<std::string>{"game.nes"});
}

TEST(ROMFile, AWriteThatFailsPartWayLeavesTheOriginalIntact)
{
  const TTempFolder Folder;
  const std::string ROM = Folder / "game.nes";
  const TBytes Original = Pattern(64 << 10);
  WriteBytes(ROM, Original);
  std::string Message;
  {
    const TFileSizeLimit Limit(128 << 10);
    Message = MessageOf<TFileWriteError>([&] { SaveROMImage(ROM, TROMImage(1 << 20, 0x55)); });
  }
  EXPECT_EQ(Message, "Cannot write file \"" + ROM + "\". File too large");
  EXPECT_EQ(ReadBytes(ROM), Original);
  EXPECT_EQ(FileNamesIn(Folder.Path()), std::vector<std::string>{"game.nes"});
}

TEST(ROMFile, CopyReplacesTheDestinationAndReportsFailureWithoutThrowing)
{
  const TTempFolder Folder;
  WriteBytes(Folder / "source.nes", Pattern(5000));
  WriteBytes(Folder / "dest.bak", Pattern(10));

  const TCopyResult Copied = CopyFileReplacing(Folder / "source.nes", Folder / "dest.bak");
  EXPECT_TRUE(Copied.Succeeded);
  EXPECT_EQ(ReadBytes(Folder / "dest.bak"), Pattern(5000));

  const TCopyResult Missing = CopyFileReplacing(Folder / "missing.nes", Folder / "dest.bak");
  EXPECT_FALSE(Missing.Succeeded);
  EXPECT_EQ(Missing.Reason, "No such file or directory");
  EXPECT_EQ(ReadBytes(Folder / "dest.bak"), Pattern(5000));
}
