// quorvel-pictures: writes the three table pictures into the folder it is given.
#include <array>
#include <cstdio>

#include <QDir>
#include <QGuiApplication>

#include "ui/pictures/table_picture.h"

int main(int argc, char** argv) {
  // Text on the pictures needs the font system, which comes with the application.
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: quorvel-pictures FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "quorvel-pictures: cannot make the folder %s\n", argv[1]);
    return 1;
  }
  for (const float scale : std::array{1.0f, 1.25f, 1.6f}) {
    const QString path = folder.filePath(quorvel::ui::TablePictureFile(scale));
    if (!quorvel::ui::DrawTablePicture(scale).save(path, "BMP")) {
      std::fprintf(stderr, "quorvel-pictures: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
