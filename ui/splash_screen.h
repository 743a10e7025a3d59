// TSplashScreen: the borderless picture shown while the program starts.
#pragma once

#include <QWidget>

namespace quorvel::ui {

class TSplashScreen : public QWidget {
  Q_OBJECT
 public:
  explicit TSplashScreen(QWidget* parent = nullptr);
};

}  // namespace quorvel::ui
