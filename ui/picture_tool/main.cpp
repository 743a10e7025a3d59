// quorvel-pictures: writes the three table pictures into the folder it is given,
// or with --icons the program's icon, scalable and at the usual bitmap sizes.
#include <array>
#include <cstdio>
#include <cstring>

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include "ui/pictures/icon_picture.h"
#include "ui/pictures/table_picture.h"

namespace {

bool WriteTablePictures(const QDir& folder) {
  for (const float scale : std::array{1.0f, 1.25f, 1.6f}) {
    const QString path = folder.filePath(quorvel::ui::TablePictureFile(scale));
    if (!quorvel::ui::DrawTablePicture(scale).save(path, "BMP")) {
      std::fprintf(stderr, "quorvel-pictures: cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  return true;
}

// quorvel.svg and quorvel-<side>.png, the names the install gives their icon folders.
bool WriteIcons(const QDir& folder) {
  constexpr int kSvgSide = 256;
  QSvgGenerator svg;
  svg.setFileName(folder.filePath(QStringLiteral("quorvel.svg")));
  svg.setSize({kSvgSide, kSvgSide});
  svg.setViewBox(QRect(0, 0, kSvgSide, kSvgSide));
  svg.setTitle(QStringLiteral("Quorvel"));
  QPainter scalable;
  if (!scalable.begin(&svg)) {
    std::fprintf(stderr, "quorvel-pictures: cannot write %s\n", qPrintable(svg.fileName()));
    return false;
  }
  quorvel::ui::PaintIcon(scalable, kSvgSide);
  scalable.end();
  for (const int side : std::array{16, 32, 48, 64, 128, 256}) {
    const QString path = folder.filePath(QStringLiteral("quorvel-%1.png").arg(side));
    if (!quorvel::ui::DrawIcon(side).save(path, "PNG")) {
      std::fprintf(stderr, "quorvel-pictures: cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Text on the pictures needs the font system, which comes with the application.
  QGuiApplication application(argc, argv);
  const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
  if (argc != 2 && !icons) {
    std::fprintf(stderr, "usage: quorvel-pictures [--icons] FOLDER\n");
    return 2;
  }
  const char* name = argv[argc - 1];
  const QDir folder(QString::fromLocal8Bit(name));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "quorvel-pictures: cannot make the folder %s\n", name);
    return 1;
  }
  return (icons ? WriteIcons(folder) : WriteTablePictures(folder)) ? 0 : 1;
}
