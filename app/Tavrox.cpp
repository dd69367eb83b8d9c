#include "TavroxMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
  QApplication Application(argc, argv);
  TfrmTavroxMain frmTavroxMain;
  frmTavroxMain.show();
  return Application.exec();
}
