// Saving bytes to a file the user names.
#include "ui/save_dialog.h"

#include <QFileInfo>
#include <QWidget>

#include "config/file_save.h"
#include "ui/chart_export.h"
#include "ui/modal_seam.h"

namespace quorvel::ui {

void SaveThroughDialog(ModalSeam& modals, QWidget* parent, const std::filesystem::path& startupDirectory,
                       const QString& title, const QString& name, const QString& filter,
                       const std::function<std::string()>& bytes) {
  const std::filesystem::path folder = startupDirectory / "LogFiles";
  std::error_code ignored;  // without the folder the dialog simply opens elsewhere
  std::filesystem::create_directories(folder, ignored);
  const QString suggested = QString::fromStdString((folder / name.toStdString()).string());
  const QString file = modals.SaveFileName(parent, title, suggested, filter, QFileInfo(name).suffix());
  if (file.isEmpty()) return;
  const SaveResult saved = SaveFile(file.toStdString(), bytes());
  if (!saved) modals.ShowError(parent, parent->windowTitle(), QString::fromStdString(saved.message));
}

void SavePlotThroughDialog(ModalSeam& modals, QWidget* parent, const std::filesystem::path& startupDirectory,
                           QChartView& plot, const QString& name, bool svg) {
  const QString kind = svg ? "SVG" : "PNG";
  const QString filter = svg ? "SVG Drawings (*.svg)" : "PNG Pictures (*.png)";
  SaveThroughDialog(modals, parent, startupDirectory, "Save Plot as " + kind, name + "." + kind.toLower(), filter,
                    [&plot, svg] { return (svg ? ChartSvg(plot) : ChartPng(plot)).toStdString(); });
}

}  // namespace quorvel::ui
