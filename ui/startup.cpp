// Start-up of the desktop program: the screens in their order, the splash, the event loop.
#include "ui/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <exception>
#include <memory>

#include "ui/about_box.h"
#include "ui/alert_dialog.h"
#include "ui/charts_screen.h"
#include "ui/compare_screen.h"
#include "ui/help_window.h"
#include "ui/limit_dialog.h"
#include "ui/main_screen.h"
#include "ui/modal_seam.h"
#include "ui/options_screen.h"
#include "ui/progression_screen.h"
#include "ui/results_screen.h"
#include "ui/splash_screen.h"
#include "ui/test_screen.h"
#include "ui/version.h"

namespace quorvel::ui {
namespace {

// The layout follows the display's width; the window's height is what the
// desktop leaves free.
QSize DisplaySize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {640, 480};
  return {screen->geometry().width(), screen->availableGeometry().height()};
}

int Run() {
  ModalSeam modals;
  TForm1 main(modals, DisplaySize());

  auto splash = std::make_unique<TSplashScreen>();
  splash->show();
  splash->repaint();
  QCoreApplication::processEvents();

  QApplication::setApplicationName(kProgramTitle);
  const std::filesystem::path helpFile = main.StartupDirectory() / "help" / "index.html";

  // The options screen edits the progression screen's table, so that one is made first.
  const QSize display = DisplaySize();
  TAlert alert(&main);
  TProgression progression(modals, alert, display, &main);
  TStrategy options(modals, progression, main.StartupDirectory(), &main);
  TCharts charts(modals, main.StartupDirectory() / "chartdata", &main);
  TAboutBox about(&main);
  THitLimit limit(&main);
  THelpWindow help(modals, helpFile, &main);
  TAutoTest autoTest(modals, main.Controller(), display, main.StartupDirectory(), &main);
  TResults results(modals, display, main.StartupDirectory(), &main);
  autoTest.SetResultsScreen(&results);
  TCompare compare(modals, display, main.StartupDirectory(), [&main] { return main.Active(); }, &main);
  autoTest.SetCompareScreen(&compare);
  options.SetShellScreens(&about, &help);
  main.SetScreens({&charts, &about, &limit, &help, &options, &autoTest, &compare});

  main.show();
  QThread::msleep(100);
  splash.reset();
  return QApplication::exec();
}

}  // namespace

int RunProgram(int argc, char** argv) {
  QApplication application(argc, argv);
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
