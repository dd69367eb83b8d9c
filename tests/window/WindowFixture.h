#pragma once

#include "ScriptedDialogs.h"
#include "TavroxMain.h"
#include "TestFiles.h"
#include "ui_TavroxMain.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// The real main window, shown offscreen, with dialogs the test answers, and a temporary
// folder for its files.
class WindowTest : public testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  Ui::TfrmTavroxMain& Ui() const { return Window->Controls(); }

  // Runs a command through its dialog, answered with Path. The backup the window makes of a
  // ROM opened here is removed after the test, whatever the test left of it.
  void OpenROM(const std::string& Path);
  void OpenCDL(const std::string& Path);
  void Corrupt(const QString& Start, const QString& End, int Mode);
  void SelectMode(int Mode);
  // Double-clicks the row of the range list.
  void DoubleClickRow(int Row);
  // Answers the exit question (if asked) and closes the window.
  void CloseWindow(TConfirmAnswer Answer);

  // The backup the window makes of a ROM: beside the test program.
  static std::string BackupBesideProgram(const std::string& BackupName);

  TTempFolder Folder;
  std::vector<std::string> Backups;
  TScriptedDialogs* Dialogs = nullptr;
  std::unique_ptr<TfrmTavroxMain> Window;
};

// Readable test failures for Qt's texts.
void PrintTo(const QString& Text, std::ostream* Out);
void PrintTo(const QStringList& Texts, std::ostream* Out);

// An iNES image of Size bytes: the header, then bytes that hold their offset's low eight bits.
TBytes TestROM(std::size_t Size);
// A log whose data runs give the given ranges of ROM file offsets, in ascending order (each
// followed by a byte without the data flag).
TBytes TestLog(const std::vector<std::pair<int, int>>& Ranges);
