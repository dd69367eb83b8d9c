#include "TavroxMain.h"

#include "ui_TavroxMain.h"

#include "BackupPath.h"
#include "CDLParser.h"
#include "CDLRangeModel.h"
#include "Corruption.h"
#include "ErrorGuard.h"
#include "FileNames.h"
#include "HexOffsetText.h"
#include "LayoutFont.h"
#include "QtDialogs.h"
#include "QtText.h"
#include "RangeReport.h"
#include "SelectionOnFocus.h"
#include "WholeFile.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>

#include <filesystem>

namespace {

constexpr int ClientWidth = 388;
constexpr int StartedClientHeight = 218; // the range list stays below the visible area
constexpr int RangeListClientHeight = 369;
constexpr int NothingPage = 3;

const QString AboutText = QStringLiteral(
    "Tavrox v0.1.2\n"
    "\n"
    "Tavrox written by Vorl.\n"
    "https://tavrox.example.org/\n"
    "\n"
    "Thanks to: \n"
    "\n"
    "The author of the NES emulator whose code/data logger Tavrox reads, for the emulator and "
    "for access to a beta version of it.");

// A file, not a folder or anything else of that name: only a file is a backup or a report.
bool FileExists(const std::string& Path)
{
  std::error_code Error;
  return std::filesystem::is_regular_file(Path, Error);
}

} // namespace

TfrmTavroxMain::TfrmTavroxMain(std::unique_ptr<TDialogs> WindowDialogs, QWidget* Parent)
    : QMainWindow(Parent), ui(std::make_unique<Ui::TfrmTavroxMain>()), Dialogs(std::move(WindowDialogs))
{
  ui->setupUi(this);
  if (!Dialogs)
    Dialogs = std::make_unique<TQtDialogs>(this);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);

  ReplaceOptions = new QButtonGroup(this);
  for (QRadioButton* Item : {ui->rdoReplaceByte, ui->rdoIncreaseBy, ui->rdoDecreaseBy, ui->rdoRandomBytes})
    ReplaceOptions->addButton(Item, ReplaceOptions->buttons().size());

  StatusBarPanel = new QLabel(ui->StatusBar);
  StatusBarPanel->setObjectName(QStringLiteral("StatusPanel"));
  ui->StatusBar->addPermanentWidget(StatusBarPanel, 1);

  RangeModel = new TCDLRangeModel(this);
  ui->lvwCDLOffsets->setModel(RangeModel);
  new TSelectionOnFocus(ui->lvwCDLOffsets);

  ApplyLayoutFont(*this);
  ConnectHandlers();
  FormShow();
  CentreOnScreen();
}

TfrmTavroxMain::~TfrmTavroxMain() = default;

template <typename Sender, typename Signal>
void TfrmTavroxMain::Handle(Sender* Source, Signal Event, void (TfrmTavroxMain::*Handler)())
{
  connect(Source, Event, this, [this, Handler] { RunGuarded(*Dialogs, [this, Handler] { (this->*Handler)(); }); });
}

void TfrmTavroxMain::ConnectHandlers()
{
  Handle(ui->actOpenROM, &QAction::triggered, &TfrmTavroxMain::actOpenROMExecute);
  Handle(ui->actOpenCDL, &QAction::triggered, &TfrmTavroxMain::actOpenCDLExecute);
  Handle(ui->actSaveROM, &QAction::triggered, &TfrmTavroxMain::actSaveROMExecute);
  Handle(ui->actRestoreROM, &QAction::triggered, &TfrmTavroxMain::actRestoreROMExecute);
  Handle(ui->actExportCDLDataToFile, &QAction::triggered, &TfrmTavroxMain::actExportCDLDataToFileExecute);
  Handle(ui->actExit, &QAction::triggered, &TfrmTavroxMain::actExitExecute);
  Handle(ui->mnuAbout, &QAction::triggered, &TfrmTavroxMain::mnuAboutClick);
  Handle(ui->cmdCorrupt, &QPushButton::clicked, &TfrmTavroxMain::cmdCorruptClick);
  Handle(ReplaceOptions, &QButtonGroup::idClicked, &TfrmTavroxMain::rdgReplaceOptionsClick);
  Handle(ui->lvwCDLOffsets, &QTableView::doubleClicked, &TfrmTavroxMain::lstChunksDblClick);
}

int TfrmTavroxMain::ClientHeight() const
{
  return height() - ui->MainMenu->sizeHint().height();
}

int TfrmTavroxMain::ReplaceModeIndex() const
{
  return ReplaceOptions->checkedId();
}

void TfrmTavroxMain::SetClientHeight(int Height)
{
  setFixedSize(ClientWidth, ui->MainMenu->sizeHint().height() + Height);
}

void TfrmTavroxMain::CentreOnScreen()
{
  if (const QScreen* const Screen = screen())
    move(Screen->availableGeometry().center() - rect().center());
}

void TfrmTavroxMain::SetControlsEnabled(bool Enabled)
{
  const std::initializer_list<QWidget*> CorruptionControls = {
      ui->lblRange,      ui->cmdCorrupt,      ui->rdgReplaceOptions, ui->lvwCDLOffsets,
      ui->txtStartRange, ui->txtEndRange,     ui->lblSpecificByte,   ui->txtReplaceByte,
      ui->lblIncreaseBy, ui->txtIncreaseBy,   ui->lblDecreaseBy,     ui->txtDecreaseBy};
  for (QWidget* Control : CorruptionControls)
    Control->setEnabled(Enabled);
  for (QAction* Action : {ui->actSaveROM, ui->actRestoreROM, ui->mnuAutoSave})
    Action->setEnabled(Enabled);
}

void TfrmTavroxMain::FormShow()
{
  SetControlsEnabled(false);
  ui->actOpenCDL->setEnabled(false);
  ui->actExportCDLDataToFile->setEnabled(false);
  ui->pgcOptions->tabBar()->hide();
  ui->pgcOptions->setCurrentIndex(NothingPage);
  SetClientHeight(StartedClientHeight);
}

std::string TfrmTavroxMain::BackupFolder() const
{
  // An installed program's folder is not writable by its users; their own data folder is.
  const QString ProgramFolder = QCoreApplication::applicationDirPath();
  if (QFileInfo(ProgramFolder).isWritable())
    return ToCore(ProgramFolder);
  const QString DataFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  QDir().mkpath(DataFolder);
  return ToCore(DataFolder);
}

void TfrmTavroxMain::BackupROM()
{
  const TCopyResult Copy = CopyFileReplacing(ROMFileName, BackupFileName);
  if (!Copy)
    Dialogs->ShowMessage(QStringLiteral("The backup %1 could not be made: %2. Changes saved to the ROM cannot be undone.")
                             .arg(FromCore(BackupFileName), FromCore(Copy.Reason)));
}

TCopyResult TfrmTavroxMain::RestoreBackup()
{
  return CopyFileReplacing(BackupFileName, ROMFileName);
}

void TfrmTavroxMain::LoadROMData()
{
  // Until the read succeeds, the image belongs to no file, so nothing can be saved over it.
  ROMData.reset();
  ROMData = LoadROMImage(ROMFileName);
}

void TfrmTavroxMain::LoadCDLRanges()
{
  CDLRanges = std::make_shared<TCDLRangeList>();
  *CDLRanges = ::LoadCDLRanges(CDLFileName);
}

bool TfrmTavroxMain::RequireROMImage()
{
  if (!ROMData)
    Dialogs->ShowMessage(QStringLiteral("No ROM image is loaded."));
  return ROMData.has_value();
}

QString TfrmTavroxMain::RestoreFailure(const TCopyResult& Copy) const
{
  return QStringLiteral("The backup %1 could not be restored: %2.").arg(FromCore(BackupFileName), FromCore(Copy.Reason));
}

std::optional<std::string> TfrmTavroxMain::ChooseFile(const QString& Title, const QString& FilesOfType)
{
  const std::optional<QString> Chosen = Dialogs->OpenFile(Title, {FilesOfType, QStringLiteral("All Files (*)")});
  return Chosen ? std::optional(ToCore(*Chosen)) : std::nullopt;
}

void TfrmTavroxMain::actOpenROMExecute()
{
  const std::optional<std::string> Chosen =
      ChooseFile(QStringLiteral("Please select your NES ROM"), QStringLiteral("iNES Image (*.nes)"));
  if (!Chosen)
    return;
  ROMFileName = *Chosen;
  setWindowTitle(QStringLiteral("Tavrox v0.1.1 - ") + FromCore(ExtractFileName(ROMFileName)));
  SetControlsEnabled(true);
  ui->actOpenCDL->setEnabled(true);
  BackupFileName = BackupPathFor(BackupFolder(), ROMFileName);
  BackupROM();
  ui->pgcOptions->setCurrentIndex(ReplaceModeIndex());
  LoadROMData();
}

void TfrmTavroxMain::actOpenCDLExecute()
{
  const std::optional<std::string> Chosen =
      ChooseFile(QStringLiteral("Please select your CDL file"), QStringLiteral("CDL File (*.cdl)"));
  if (!Chosen)
    return;
  CDLFileName = *Chosen;
  LoadCDLRanges();
  ui->actExportCDLDataToFile->setEnabled(true);
  StatusBarPanel->setText(QStringLiteral("Available Ranges: %1").arg(CDLRanges->Count()));
  SetClientHeight(RangeListClientHeight);
  RangeModel->ShowRanges(CDLRanges);
}

void TfrmTavroxMain::lstChunksDblClick()
{
  const QModelIndexList Selected = ui->lvwCDLOffsets->selectionModel()->selectedRows();
  if (Selected.isEmpty())
    return;
  // The range comes from the list, not from the row's text, which may have been edited.
  // Rows exist only once a log was opened, so there is a list (empty after a failed read).
  const TCDLRange Range = CDLRanges->Items(Selected.front().row());
  ui->txtStartRange->setText(FromCore(HexOffsetText(Range.StartOffset)));
  ui->txtEndRange->setText(FromCore(HexOffsetText(Range.EndOffset)));
}

void TfrmTavroxMain::rdgReplaceOptionsClick()
{
  ui->pgcOptions->setCurrentIndex(ReplaceModeIndex());
}

TCorruptionFields TfrmTavroxMain::FieldTexts() const
{
  return {ToCore(ui->txtStartRange->text()), ToCore(ui->txtEndRange->text()), ToCore(ui->txtReplaceByte->text()),
          ToCore(ui->txtIncreaseBy->text()), ToCore(ui->txtDecreaseBy->text())};
}

void TfrmTavroxMain::cmdCorruptClick()
{
  if (!RequireROMImage())
    return;
  const TCorruptionOutcome Outcome = CorruptRange(FieldTexts(), static_cast<TReplaceMode>(ReplaceModeIndex()), *ROMData);
  Dialogs->ShowMessage(FromCore(Outcome.Message));
  if (Outcome.Changed && ui->mnuAutoSave->isChecked())
    ui->actSaveROM->trigger();
}

void TfrmTavroxMain::actSaveROMExecute()
{
  if (RequireROMImage())
    SaveROMImage(ROMFileName, *ROMData);
}

void TfrmTavroxMain::actRestoreROMExecute()
{
  if (const TCopyResult Copy = RestoreBackup(); !Copy)
    Dialogs->ShowMessage(RestoreFailure(Copy));
  LoadROMData();
}

void TfrmTavroxMain::actExportCDLDataToFileExecute()
{
  if (!CDLRanges)
    return;
  const std::string Report = ReportText(ROMFileName, *CDLRanges);
  const std::string ReportPath = ReportPathFor(ROMFileName);
  if (FileExists(ReportPath) &&
      Dialogs->Confirm(QStringLiteral("Do you wish to overwrite the existing \n%1?").arg(FromCore(ExtractFileName(ReportPath))),
                       TConfirmButtons::YesNo) != TConfirmAnswer::Yes)
    return;
  WriteWholeFile(ReportPath, Report);
  Dialogs->ShowExportDone(QStringLiteral("CDL data to saved to\n") + FromCore(ReportPath));
}

void TfrmTavroxMain::mnuAboutClick()
{
  Dialogs->ShowMessage(AboutText);
}

void TfrmTavroxMain::actExitExecute()
{
  close();
}

void TfrmTavroxMain::closeEvent(QCloseEvent* Event)
{
  bool CanClose = true;
  RunGuarded(*Dialogs, [&] { FormCloseQuery(CanClose); });
  if (!CanClose) {
    Event->ignore();
    return;
  }
  RunGuarded(*Dialogs, [this] { FormClose(); });
  Event->accept();
}

void TfrmTavroxMain::FormCloseQuery(bool& CanClose)
{
  if (!FileExists(BackupFileName))
    return;
  switch (Dialogs->Confirm(QStringLiteral("Do you wish to restore the backup?"), TConfirmButtons::YesNoCancel)) {
  case TConfirmAnswer::Yes:
    if (const TCopyResult Copy = RestoreBackup(); !Copy) {
      KeepBackupAtClose = true;
      Dialogs->ShowMessage(RestoreFailure(Copy) + QStringLiteral(" The backup file has been kept."));
    }
    break;
  case TConfirmAnswer::No:
    break;
  case TConfirmAnswer::Cancel:
    CanClose = false;
    break;
  }
}

void TfrmTavroxMain::FormClose()
{
  RangeModel->ShowRanges(nullptr);
  CDLRanges.reset();
  // The backup path never names the ROM itself (see BackupPathFor), so this deletes no ROM.
  if (KeepBackupAtClose || !FileExists(BackupFileName))
    return;
  std::error_code Error;
  std::filesystem::remove(BackupFileName, Error);
}
