#include "view/qt_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "layout/display_text.h"

namespace meridax {

QString toQt(const std::string& bytes) { return QString::fromStdString(displayText(bytes)); }

std::string fromQt(const QString& text) { return text.toStdString(); }

QString mappedFace(const std::string& windowsFace) {
  struct Mapping {
    const char* windows;
    const char* debian;
  };
  static constexpr Mapping kFaces[] = {
      {"Arial", "Liberation Sans"},
      {"Microsoft Sans Serif", "Liberation Sans"},
      {"MS Sans Serif", "Liberation Sans"},
      {"Tahoma", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
      {"Courier New", "Liberation Mono"},
      {"Courier", "Liberation Mono"},
  };
  for (const Mapping& m : kFaces)
    if (strcasecmp(windowsFace.c_str(), m.windows) == 0) return QString::fromLatin1(m.debian);
  return toQt(windowsFace);
}

QFont toQFont(const LogFont& font) {
  QFont qt(mappedFace(font.faceName));
  // A cell height includes the internal leading, about a fifth of it; either way at least 6 pixels.
  const int pixels = font.height < 0 ? -font.height : font.height * 4 / 5;
  qt.setPixelSize(pixels == 0 ? 12 : std::max(6, pixels));
  qt.setBold(isBold(font));
  qt.setItalic(isItalic(font));
  if (font.faceName == kTreeFontFace) qt.setStyleHint(QFont::Monospace);
  return qt;
}

LogFont toLogFont(const QFont& font, const LogFont& base) {
  LogFont out = base;
  if (mappedFace(base.faceName).compare(font.family(), Qt::CaseInsensitive) != 0) {
    out.faceName = fromQt(font.family()).substr(0, kFaceNameSize - 1);
  }
  constexpr double kPixelsPerPoint = 96.0 / 72.0;
  const int pixels = font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * kPixelsPerPoint);
  out.height = -std::max(1, pixels);
  if (font.bold() != isBold(base)) setBold(out, font.bold());
  setItalic(out, font.italic());
  return out;
}

}  // namespace meridax
