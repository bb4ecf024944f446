#pragma once
// Every dialog of the editor by name, for pictures of them: a command's handler name (CmGameInfo,
// CmCustomise, ...) opens the dialog as the person would by that command; the entries of the gallery name
// the dialogs that are opened otherwise, or a command's dialog in another state (a page of a sheet).
// `meridax --screenshot OUT.png --dialog NAME` shows one over the window, grabs it and closes it with Cancel.

#include <QImage>
#include <QString>
#include <functional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace meridax {

class MainWindow;

// Opens a dialog over the window for its current state. A modal dialog's opener returns once the dialog
// is closed, a modeless dialog's once it shows.
using DialogOpener = void (*)(MainWindow& window);

struct GalleryEntry {
  const char* name;
  DialogOpener open;
};

// The dialogs reached otherwise than by a command of their name, sorted by name.
std::span<const GalleryEntry> galleryEntries();

// What a dialog looked like when it opened.
struct DialogShot {
  QImage image;
  QString title;
};

// Opens dialog `name` (a gallery entry, else the command of that handler name) over the window, grabs the
// first dialog that opens and closes it and every further one with Cancel. The error text when the name is
// unknown or no dialog opened within a second and a half.
std::variant<DialogShot, std::string> shootDialog(MainWindow& window, const std::string& name);

// Opens `open`'s dialog, grabs it and cancels every dialog that opens meanwhile; an error text as above.
std::variant<DialogShot, std::string> shootDialog(const std::function<void()>& open);

}  // namespace meridax
