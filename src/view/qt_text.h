#pragma once
// Texts and fonts between the core and Qt: the core's byte texts shown as UTF-8 (else Latin-1), and its
// logical font records as Qt fonts with the Windows faces mapped to the Liberation families.

#include <QFont>
#include <QString>
#include <string>

#include "app/settings_records.h"

namespace meridax {

// A core text for a widget: valid UTF-8 as it is, any other byte as Latin-1.
QString toQt(const std::string& bytes);
// A widget's text as UTF-8 bytes for the core.
std::string fromQt(const QString& text);

// The face Debian has for a Windows face: Arial and Microsoft Sans Serif give Liberation Sans, Times New
// Roman Liberation Serif, Courier New Liberation Mono; any other face is kept.
QString mappedFace(const std::string& windowsFace);
// The Qt font of a logical font record: its face mapped, its height in pixels (a negative height is the
// character height, a positive one the cell height), weight and italics.
QFont toQFont(const LogFont& font);
// The logical font record of a Qt font chosen in place of `base`: its face (the Windows face of `base` while
// that maps to the same family), character height in pixels, weight and italics; the other fields of `base`.
LogFont toLogFont(const QFont& font, const LogFont& base);

}  // namespace meridax
