#include "sgf/sgf_markup.h"

#include "sgf/property_id.h"

#include <algorithm>
#include <array>

namespace meridax {

namespace {

constexpr std::array<std::uint32_t, 8> kMarkupIds = {propertyCode("MA"), propertyCode("TR"), propertyCode("CR"),
                                                     propertyCode("SQ"), propertyCode("SL"), propertyCode("LB"),
                                                     propertyCode("M"),  propertyCode("L")};

std::string cleaned(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (char c : raw) {
    if (c == '\r' || c == '\n') continue;
    out += c == '\t' ? ' ' : c;
  }
  return out;
}

// Appends cells of one property, keeping count against the per-property limit.
class CellWriter {
 public:
  CellWriter(const PointGeometry& g, std::string& out) : width_(g.width), limit_(g.width * g.width), out_(out) {}

  bool inSquare(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < width_; }

  void cell(int x, int y, const std::string& label = {}, bool isLabel = false) {
    if (!inSquare(x, y) || written_ >= limit_) return;
    out_ += '[';
    out_ += markupPointText(x, y);
    if (isLabel && !label.empty()) out_ += ':' + label;
    out_ += ']';
    ++written_;
  }

  // Every cell of the rectangle that lies in the square, row by row.
  void range(const PointRange& r) {
    const int x0 = std::max(r.from.x, 0), x1 = std::min(r.to.x, width_ - 1);
    const int y0 = std::max(r.from.y, 0), y1 = std::min(r.to.y, width_ - 1);
    for (int y = y0; y <= y1 && written_ < limit_; ++y)
      for (int x = x0; x <= x1; ++x) cell(x, y);
  }

  int written() const { return written_; }

 private:
  int width_;
  int limit_;
  int written_ = 0;
  std::string& out_;
};

}  // namespace

bool isMarkupIdentifier(std::string_view id, GameKind kind) {
  if (id.size() > 2) return false;
  const std::uint32_t code = propertyCode(id);
  if (std::find(kMarkupIds.begin(), kMarkupIds.end(), code) != kMarkupIds.end()) return true;
  return kind == GameKind::Go && (id == "TB" || id == "TW");
}

MarkupReading readMarkup(const PointGeometry& g, std::string_view id, const std::vector<std::string_view>& values) {
  MarkupReading reading;
  std::string cells;
  CellWriter writer(g, cells);
  const bool labels = id == "LB";
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::string value = cleaned(values[i]);
    if (value.find_first_not_of(' ') == std::string::npos) continue;  // an empty list
    if (labels) {
      const auto label = readLabelValue(g, value);
      if (label) writer.cell(label->point.x, label->point.y, label->text, true);
      else reading.unreadable.push_back(i);
      continue;
    }
    const auto range = readPointRange(g, withoutBlanks(value));
    if (range) writer.range(*range);
    else reading.unreadable.push_back(i);
  }
  if (writer.written() > 0) reading.text = std::string(id == "SL" ? "SQ" : id) + cells;
  return reading;
}

}  // namespace meridax
