#pragma once
// The designer's answers to the host's design services: Qt file dialogs for
// the folder, file and save-file browsers, and the busy cursor while a
// listing blocks the interface. Tests install doubles instead.

#include <QStringList>
#include <string>

namespace vy::gui {

void InstallDesktopServices();

// "Text Files (*.txt)|*.TXT|All Files (*.*)|*.*" -> the Qt filter entries
// "Text Files (*.txt) (*.TXT)", ... in order.
QStringList QtFilters(const std::string& filter);

}  // namespace vy::gui
