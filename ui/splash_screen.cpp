// TSplashScreen: a 650 x 490 borderless window, a framed panel with the picture centred.
#include "ui/splash_screen.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/pictures/splash_picture.h"

namespace quorvel::ui {

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName("SplashScreen");
  setFixedSize(650, 490);
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setGeometry(0, 0, 650, 490);
  panel->setStyleSheet("#Panel1 { border: 1px solid black; background: black; }");
  auto* picture = new QLabel(panel);
  picture->setObjectName("Image1");
  picture->setAlignment(Qt::AlignCenter);
  picture->setPixmap(DrawSplashPicture(QSize(640, 480), devicePixelRatioF()));
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->addWidget(picture);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

}  // namespace quorvel::ui
