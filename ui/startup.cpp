// Start-up of the desktop program: the screens in their order, the splash, the event loop.
#include "ui/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <exception>
#include <memory>
#include <string>

#include "config/program_folders.h"
#include "ui/about_box.h"
#include "ui/alert_dialog.h"
#include "ui/charts_screen.h"
#include "ui/compare_screen.h"
#include "ui/help_window.h"
#include "ui/limit_dialog.h"
#include "ui/main_screen.h"
#include "ui/modal_seam.h"
#include "ui/options_screen.h"
#include "ui/pictures/icon_picture.h"
#include "ui/progression_screen.h"
#include "ui/results_screen.h"
#include "ui/splash_screen.h"
#include "ui/test_screen.h"
#include "ui/version.h"
#include "ui/window_frame.h"

namespace quorvel::ui {
namespace {

// What the desktop leaves free for windows.
QSize DisplaySize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {640, 480};
  return screen->availableGeometry().size();
}

int Run() {
  ModalSeam modals;
  // Made before the main screen reads the last-used file from it.
  const ProgramFolders folders = ThisProgramsFolders();
  const std::string folderProblem = PrepareWritableFolder(folders);
  TForm1 main(modals, DisplaySize(), folders, MeasureWindowFrame());

  auto splash = std::make_unique<TSplashScreen>();
  splash->show();
  splash->repaint();
  QCoreApplication::processEvents();

  QApplication::setApplicationName(kProgramTitle);
  const std::filesystem::path helpFile = folders.data / "help" / "index.html";

  // The options screen edits the progression screen's table, so that one is made first.
  const QSize display = DisplaySize();
  TAlert alert(&main);
  TProgression progression(modals, alert, display, &main);
  TStrategy options(modals, progression, display, folders.writable, &main);
  TCharts charts(modals, display, folders.ChartDirectory(), &main);
  TAboutBox about(&main);
  THitLimit limit(&main);
  THelpWindow help(modals, helpFile);
  TAutoTest autoTest(modals, main.Controller(), display, folders.writable, &main);
  TResults results(modals, display, folders.writable, &main);
  autoTest.SetResultsScreen(&results);
  TCompare compare(modals, display, folders, [&main] { return main.Active(); }, &main);
  autoTest.SetCompareScreen(&compare);
  options.SetShellScreens(&about, &help);
  main.SetScreens({&charts, &about, &limit, &help, &options, &autoTest, &compare});

  main.show();
  QThread::msleep(100);
  splash.reset();
  if (!folderProblem.empty()) modals.ShowError(&main, kProgramTitle, QString::fromStdString(folderProblem));
  return QApplication::exec();
}

}  // namespace

int RunProgram(int argc, char** argv) {
  QApplication application(argc, argv);
  // The menu entry is how a desktop finds the window's name and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorvel.Quorvel"));
  QApplication::setWindowIcon(ProgramIcon());
  try {
    return Run();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, kProgramTitle, QString::fromLocal8Bit(error.what()));
  } catch (...) {
    QMessageBox::critical(nullptr, kProgramTitle, "The program stopped on an unexpected error.");
  }
  return 1;
}

}  // namespace quorvel::ui
