#include "app/settings_records.h"

#include <algorithm>
#include <cmath>

namespace meridax {
namespace {

// Little-endian writer of a record's fields.
class RecordWriter {
 public:
  void u32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(v >> shift));
  }
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  void u8(std::uint8_t v) { bytes_.push_back(v); }
  void point(const Point& p) { i32(p.x), i32(p.y); }
  void rect(const Rect& r) { i32(r.left), i32(r.top), i32(r.right), i32(r.bottom); }
  Bytes take() { return std::move(bytes_); }

 private:
  Bytes bytes_;
};

// Little-endian reader; the caller has checked the length.
class RecordReader {
 public:
  explicit RecordReader(const Bytes& bytes) : bytes_(bytes) {}
  std::uint32_t u32() {
    std::uint32_t v = 0;
    for (int shift = 0; shift < 32; shift += 8) v |= std::uint32_t{bytes_[at_++]} << shift;
    return v;
  }
  std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
  std::uint8_t u8() { return bytes_[at_++]; }
  Point point() {
    Point p;
    p.x = i32();
    p.y = i32();
    return p;
  }
  Rect rect() {
    Rect r;
    r.left = i32();
    r.top = i32();
    r.right = i32();
    r.bottom = i32();
    return r;
  }
  std::size_t position() const { return at_; }

 private:
  const Bytes& bytes_;
  std::size_t at_ = 0;
};

}  // namespace

WindowPlacement placementForStart(WindowPlacement placement) {
  const std::uint32_t s = placement.showState;
  if (s == show_state::kMinimized || s == show_state::kMinimize || s == show_state::kMinimizedNoActivate) {
    placement.showState = show_state::kRestore;
  }
  return placement;
}

namespace {

std::int64_t overlapArea(const Rect& a, const Rect& b) {
  const std::int64_t width = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
  const std::int64_t height = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

bool inside(const Rect& window, const Rect& screen) {
  return window.left >= screen.left && window.top >= screen.top && window.right <= screen.right &&
         window.bottom <= screen.bottom;
}

}  // namespace

Rect placeOnScreens(const Rect& window, const std::vector<Rect>& screens) {
  if (screens.empty()) return window;
  const bool proper = window.right > window.left && window.bottom > window.top;
  const Rect* best = &screens.front();
  std::int64_t bestArea = -1;
  for (const Rect& screen : screens) {
    if (proper && inside(window, screen)) return window;
    const std::int64_t area = proper ? overlapArea(window, screen) : 0;
    if (area > bestArea) {
      best = &screen;
      bestArea = area;
    }
  }
  const Rect& screen = *best;
  const std::int64_t screenWidth = std::int64_t{screen.right} - screen.left;
  const std::int64_t screenHeight = std::int64_t{screen.bottom} - screen.top;
  if (!proper) {
    const Rect d = defaultWindowRect(static_cast<int>(screenWidth), static_cast<int>(screenHeight));
    return Rect{screen.left + d.left, screen.top + d.top, screen.left + d.right, screen.top + d.bottom};
  }
  const std::int64_t width = std::min<std::int64_t>(std::int64_t{window.right} - window.left, screenWidth);
  const std::int64_t height = std::min<std::int64_t>(std::int64_t{window.bottom} - window.top, screenHeight);
  const std::int64_t left = std::clamp<std::int64_t>(window.left, screen.left, screen.right - width);
  const std::int64_t top = std::clamp<std::int64_t>(window.top, screen.top, screen.bottom - height);
  return Rect{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), static_cast<std::int32_t>(left + width),
              static_cast<std::int32_t>(top + height)};
}

Rect defaultWindowRect(int screenWidth, int screenHeight) {
  return Rect{screenWidth * 50 / 800, screenHeight * 50 / 600, screenWidth * 750 / 800, screenHeight * 550 / 600};
}

LogFont defaultFont(const std::string& faceName) {
  LogFont font;
  font.faceName = faceName.substr(0, kFaceNameSize - 1);
  return font;
}

void setBold(LogFont& font, bool bold) { font.weight = bold ? kFontWeightBold : kFontWeightNormal; }
void setItalic(LogFont& font, bool italic) { font.italic = italic ? 1 : 0; }

FontMeasures measureFont(int averageWidth, int characterHeight, int externalLeading, bool fixedPitch) {
  FontMeasures m;
  m.averageWidth = averageWidth;
  m.lineHeight = characterHeight + static_cast<int>(std::lround(externalLeading / 4.0));
  m.boxWidth = (fixedPitch ? 2 : 3) * averageWidth / 2;
  return m;
}

void clampRtfCounts(RtfOptionsRecord& options) {
  for (const std::size_t field : {rtf_field::kTextSize, rtf_field::kBoardSquareSize}) {
    if (options.fields[field] < 0) options.fields[field] = 0;
  }
}

Bytes encodeRecord(const Rect& rect) {
  RecordWriter w;
  w.rect(rect);
  return w.take();
}

Bytes encodeRecord(const WindowPlacement& p) {
  RecordWriter w;
  w.u32(p.length);
  w.u32(p.flags);
  w.u32(p.showState);
  w.point(p.minPosition);
  w.point(p.maxPosition);
  w.rect(p.normalPosition);
  return w.take();
}

Bytes encodeRecord(const DialogGeometry& g) {
  RecordWriter w;
  w.rect(g.rect);
  w.i32(g.valid);
  for (const std::int32_t width : g.columnWidths) w.i32(width);
  return w.take();
}

Bytes encodeRecord(const LogFont& f) {
  RecordWriter w;
  for (const std::int32_t v : {f.height, f.width, f.escapement, f.orientation, f.weight}) w.i32(v);
  for (const std::uint8_t v : {f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision, f.clipPrecision,
                               f.quality, f.pitchAndFamily}) {
    w.u8(v);
  }
  for (std::size_t i = 0; i < kFaceNameSize; ++i) {
    // The face name always ends with a zero inside its 32 bytes.
    w.u8(i + 1 < kFaceNameSize && i < f.faceName.size() ? static_cast<std::uint8_t>(f.faceName[i]) : 0);
  }
  return w.take();
}

Bytes encodeRecord(const RtfOptionsRecord& options) {
  RecordWriter w;
  for (const std::int32_t v : options.fields) w.i32(v);
  return w.take();
}

bool decodeRecord(const Bytes& bytes, Rect& rect) {
  if (bytes.size() < kRectRecordSize) return false;
  rect = RecordReader(bytes).rect();
  return true;
}

bool decodeRecord(const Bytes& bytes, WindowPlacement& p) {
  if (bytes.size() < kWindowPlacementSize) return false;
  RecordReader r(bytes);
  p.length = r.u32();
  p.flags = r.u32();
  p.showState = r.u32();
  p.minPosition = r.point();
  p.maxPosition = r.point();
  p.normalPosition = r.rect();
  return true;
}

bool decodeRecord(const Bytes& bytes, DialogGeometry& g) {
  if (bytes.size() < kDialogGeometrySize) return false;
  RecordReader r(bytes);
  g.rect = r.rect();
  g.valid = r.i32();
  for (std::int32_t& width : g.columnWidths) width = r.i32();
  return true;
}

bool decodeRecord(const Bytes& bytes, LogFont& f) {
  if (bytes.size() < kLogFontSize) return false;
  RecordReader r(bytes);
  for (std::int32_t* v : {&f.height, &f.width, &f.escapement, &f.orientation, &f.weight}) *v = r.i32();
  for (std::uint8_t* v : {&f.italic, &f.underline, &f.strikeOut, &f.charSet, &f.outPrecision, &f.clipPrecision,
                          &f.quality, &f.pitchAndFamily}) {
    *v = r.u8();
  }
  // The face name ends at its first zero, or at the end of its 32 bytes when the record has none.
  const std::size_t start = r.position();
  std::size_t end = start;
  while (end < start + kFaceNameSize && bytes[end] != 0) ++end;
  f.faceName.assign(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.begin() + static_cast<std::ptrdiff_t>(end));
  return true;
}

bool decodeRecord(const Bytes& bytes, RtfOptionsRecord& options) {
  if (bytes.size() < kRtfOptionsSize) return false;
  RecordReader r(bytes);
  for (std::int32_t& v : options.fields) v = r.i32();
  return true;
}

}  // namespace meridax
