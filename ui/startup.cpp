// Start-up of the desktop program: the screens in their order, the splash, the event loop.
#include "ui/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <exception>
#include <memory>

#include "ui/about_box.h"
#include "ui/charts_screen.h"
#include "ui/help_window.h"
#include "ui/limit_dialog.h"
#include "ui/main_screen.h"
#include "ui/modal_seam.h"
#include "ui/splash_screen.h"
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

  TCharts charts(modals, main.StartupDirectory() / "chartdata", &main);
  TAboutBox about(&main);
  THitLimit limit(&main);
  THelpWindow help(modals, helpFile, &main);
  main.SetScreens({&charts, &about, &limit, &help});

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
