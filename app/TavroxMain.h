#pragma once

#include "CDLObj.h"
#include "Dialogs.h"
#include "ROMFile.h"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>

namespace Ui {
class TfrmTavroxMain;
}
class QButtonGroup;
class QLabel;
class TCDLRangeModel;
struct TCorruptionFields;

// The program's one window. It holds the state (the open ROM, its backup, its image, the
// code/data log and its ranges) and runs every command in a handler that calls the core.
class TfrmTavroxMain : public QMainWindow {
  Q_OBJECT

public:
  // Dialogs answers every question and shows every message; by default the real ones.
  explicit TfrmTavroxMain(std::unique_ptr<TDialogs> Dialogs = nullptr, QWidget* Parent = nullptr);
  ~TfrmTavroxMain() override;

  // The controls, by their names in the stored layout.
  Ui::TfrmTavroxMain& Controls() const { return *ui; }
  QLabel& StatusPanel() const { return *StatusBarPanel; }
  int ClientHeight() const;
  // The item index of the replace-mode group, 0 to 3.
  int ReplaceModeIndex() const;

protected:
  void closeEvent(QCloseEvent* Event) override;

private:
  void FormShow();
  void FormCloseQuery(bool& CanClose);
  void FormClose();
  void actOpenROMExecute();
  void actOpenCDLExecute();
  void lstChunksDblClick();
  void rdgReplaceOptionsClick();
  void cmdCorruptClick();
  void actSaveROMExecute();
  void actRestoreROMExecute();
  void actExportCDLDataToFileExecute();
  void mnuAboutClick();
  void actExitExecute();

  void SetControlsEnabled(bool Enabled);
  void SetClientHeight(int Height);
  void CentreOnScreen();
  void ConnectHandlers();
  template <typename Sender, typename Signal>
  void Handle(Sender* Source, Signal Event, void (TfrmTavroxMain::*Handler)());

  std::string BackupFolder() const;
  void BackupROM();
  TCopyResult RestoreBackup();
  void LoadROMData();
  void LoadCDLRanges();
  // Whether there is an image to work on; says so when there is none.
  bool RequireROMImage();
  QString RestoreFailure(const TCopyResult& Copy) const;
  // The open-file dialog with one file type and "All Files"; the chosen path, if any.
  std::optional<std::string> ChooseFile(const QString& Title, const QString& FilesOfType);
  TCorruptionFields FieldTexts() const;

  std::unique_ptr<Ui::TfrmTavroxMain> ui;
  std::unique_ptr<TDialogs> Dialogs;
  QButtonGroup* ReplaceOptions;
  QLabel* StatusBarPanel;
  TCDLRangeModel* RangeModel;

  std::string ROMFileName;
  std::string CDLFileName;
  std::string BackupFileName;
  // None until the file ROMFileName names has been read: nothing is then saved over it.
  std::optional<TROMImage> ROMData;
  std::shared_ptr<TCDLRangeList> CDLRanges;
  // Set when the restore at exit failed: the backup is then the only copy of the ROM as it was.
  bool KeepBackupAtClose = false;
};
