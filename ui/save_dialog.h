// Saving bytes to a file the user names, the same way from every screen.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <string>

class QChartView;
class QWidget;

namespace quorvel::ui {

class ModalSeam;

// Offers `name` in the LogFiles folder of the start-up directory, saves
// `bytes()` to the file chosen and shows an error box when that fails.
void SaveThroughDialog(ModalSeam& modals, QWidget* parent, const std::filesystem::path& startupDirectory,
                       const QString& title, const QString& name, const QString& filter,
                       const std::function<std::string()>& bytes);

// Saves the plot as "<name>.png", or as "<name>.svg" when `svg`.
void SavePlotThroughDialog(ModalSeam& modals, QWidget* parent, const std::filesystem::path& startupDirectory,
                           QChartView& plot, const QString& name, bool svg);

}  // namespace quorvel::ui
