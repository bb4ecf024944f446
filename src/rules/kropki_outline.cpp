#include "rules/kropki_outline.h"

#include <utility>

namespace meridax {

namespace {

struct Step {
  int dx;
  int dy;
};

constexpr Step kSides[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};  // up, down, left, right
// Left, right, up, down, up-left, down-left, up-right, down-right.
constexpr Step kTraceOrder[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {-1, 1}, {1, -1}, {1, 1}};

std::optional<int> letterValue(char ch) {
  if (ch >= 'a' && ch <= 'z') return ch - 'a';
  if (ch >= 'A' && ch <= 'Z') return ch - 'A' + 26;
  return std::nullopt;
}

OutlineReading outlineError(std::string_view outline, const char* problem) {
  OutlineReading reading;
  reading.error = "The field outline '" + std::string(outline) + "' " + problem;
  return reading;
}

// Cells of the square reached from its border through unlisted cells lie outside the field.
std::vector<bool> outsideCells(int width, const std::vector<bool>& listed) {
  std::vector<bool> outside(listed.size(), false);
  std::vector<int> stack;
  for (int y = 0; y < width; ++y)
    for (int x = 0; x < width; ++x)
      if (x == 0 || y == 0 || x == width - 1 || y == width - 1) stack.push_back(x + y * width);
  while (!stack.empty()) {
    const int i = stack.back();
    stack.pop_back();
    if (listed[i] || outside[i]) continue;
    outside[i] = true;
    const int x = i % width;
    const int y = i / width;
    for (const Step& s : kSides) {
      const int nx = x + s.dx;
      const int ny = y + s.dy;
      if (nx >= 0 && ny >= 0 && nx < width && ny < width) stack.push_back(nx + ny * width);
    }
  }
  return outside;
}

// Writes the outlines of one colour's cells. Working values: 0 not in the field, 1 in the field,
// 2 interior (every side neighbour in the field), 3 boundary cell of the field being traced,
// 4 interior already flooded or boundary already written.
class OutlineWriter {
 public:
  OutlineWriter(const FieldOfTerritory& mask, Colour c) : width_(mask.width()), work_(mask.cells().size(), 0) {
    for (std::size_t i = 0; i < work_.size(); ++i)
      if (isTerritoryOf(mask.cells()[i], c)) work_[i] = kInField;
    markInterior();
    findStrayCells();
  }

  std::string write() {
    for (int i = 0; i < static_cast<int>(work_.size()); ++i) {
      if (work_[i] != kInterior) continue;
      traceFrom(floodInterior(i));
      for (std::uint8_t& v : work_)
        if (v == kDone) v = kInField;
    }
    writeStrayCells();
    return out_;
  }

 private:
  static constexpr std::uint8_t kInField = 1;
  static constexpr std::uint8_t kInterior = 2;
  static constexpr std::uint8_t kBoundary = 3;
  static constexpr std::uint8_t kDone = 4;

  bool inSquare(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < width_; }

  void markInterior() {
    std::vector<std::uint8_t> interior(work_.size(), 0);
    for (int y = 1; y < width_ - 1; ++y)
      for (int x = 1; x < width_ - 1; ++x) {
        bool enclosed = work_[x + y * width_] != 0;
        for (const Step& s : kSides) enclosed = enclosed && work_[(x + s.dx) + (y + s.dy) * width_] != 0;
        if (enclosed) interior[x + y * width_] = 1;
      }
    for (std::size_t i = 0; i < work_.size(); ++i)
      if (interior[i] != 0) work_[i] = kInterior;
  }

  // Field cells beside no interior cell: the corners of a square ring, a field one cell thick.
  void findStrayCells() {
    for (int y = 0; y < width_; ++y)
      for (int x = 0; x < width_; ++x) {
        if (work_[x + y * width_] != kInField) continue;
        bool besideInterior = false;
        for (const Step& s : kSides)
          besideInterior = besideInterior || (inSquare(x + s.dx, y + s.dy) &&
                                              work_[(x + s.dx) + (y + s.dy) * width_] == kInterior);
        if (!besideInterior) strays_.push_back(x + y * width_);
      }
  }

  // No flood meets the stray cells, so each group of them touching at sides or corners is written
  // as an outline of its own: the reader then marks them again and no cell of the field is lost.
  void writeStrayCells() {
    for (int i : strays_) work_[i] = kBoundary;
    for (int i : strays_) {
      if (work_[i] != kBoundary) continue;
      collectStrayGroup(i);
      traceFrom(i);
    }
  }

  void collectStrayGroup(int first) {
    touched_.clear();
    std::vector<bool> seen(work_.size(), false);
    std::vector<int> stack{first};
    seen[first] = true;
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      touched_.push_back(i);
      for (const Step& s : kTraceOrder) {
        const int nx = i % width_ + s.dx;
        const int ny = i / width_ + s.dy;
        if (!inSquare(nx, ny) || seen[nx + ny * width_] || work_[nx + ny * width_] != kBoundary) continue;
        seen[nx + ny * width_] = true;
        stack.push_back(nx + ny * width_);
      }
    }
  }

  // Floods the interior region holding cell `first`, marking the boundary cells it touches; gives
  // the last boundary cell touched, where the outline starts.
  int floodInterior(int first) {
    int lastTouched = -1;
    touched_.clear();
    std::vector<int> stack{first};
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      if (work_[i] == kInField) {
        work_[i] = kBoundary;
        touched_.push_back(i);
        lastTouched = i;
        continue;
      }
      if (work_[i] != kInterior) continue;
      work_[i] = kDone;
      const int x = i % width_;
      const int y = i / width_;
      // Pushed in reverse so that the cells are taken up, down, left, right.
      for (int k = 3; k >= 0; --k) stack.push_back((x + kSides[k].dx) + (y + kSides[k].dy) * width_);
    }
    return lastTouched;
  }

  void writePoint(int i) {
    out_ += outlineLetter(i % width_);
    out_ += outlineLetter(i / width_);
  }

  // The first boundary neighbour of cell i in trace order, or -1.
  int nextBoundary(int i) const {
    const int x = i % width_;
    const int y = i / width_;
    for (const Step& s : kTraceOrder) {
      const int nx = x + s.dx;
      const int ny = y + s.dy;
      if (inSquare(nx, ny) && work_[nx + ny * width_] == kBoundary) return nx + ny * width_;
    }
    return -1;
  }

  // The first boundary cell of the flooded region not yet written, or -1.
  int unwrittenBoundary() const {
    for (int i : touched_)
      if (work_[i] == kBoundary) return i;
    return -1;
  }

  // Walks the boundary from the start, always to the first unwritten boundary neighbour. Where the
  // boundary is not one simple ring (own dots inside the field, a field pinched to a diagonal) the
  // walk can stop early; it then carries on from a cell it missed, since the reader needs every
  // boundary cell to enclose the field again and does not care about their order.
  void traceFrom(int start) {
    if (start < 0) return;
    work_[start] = kDone;
    out_ += '.';
    writePoint(start);
    for (int at = start; at >= 0;) {
      at = nextBoundary(at);
      if (at < 0) at = unwrittenBoundary();
      if (at < 0) break;
      work_[at] = kDone;
      writePoint(at);
    }
    writePoint(start);
  }

  int width_;
  std::vector<std::uint8_t> work_;
  std::vector<int> touched_;  // boundary cells of the region being written, in the order touched
  std::vector<int> strays_;   // field cells beside no interior cell, in cell order
  std::string out_;
};

}  // namespace

char outlineLetter(int coordinate) {
  return static_cast<char>(coordinate < 26 ? 'a' + coordinate : 'A' + (coordinate - 26));
}

std::vector<std::string_view> splitOutlines(std::string_view fields) {
  std::vector<std::string_view> outlines;
  std::size_t dot = fields.find('.');
  while (dot != std::string_view::npos) {
    const std::size_t next = fields.find('.', dot + 1);
    const std::string_view outline = fields.substr(dot + 1, next == std::string_view::npos ? next : next - dot - 1);
    if (!outline.empty()) outlines.push_back(outline);
    dot = next;
  }
  return outlines;
}

OutlineReading fieldFromOutline(int width, std::string_view outline, Colour c) {
  if (outline.empty()) return outlineError(outline, "lists no point.");
  if (outline.size() % 2 != 0) return outlineError(outline, "ends with half a point.");
  std::vector<bool> listed(static_cast<std::size_t>(width) * width, false);
  for (std::size_t i = 0; i < outline.size(); i += 2) {
    const std::optional<int> x = letterValue(outline[i]);
    const std::optional<int> y = letterValue(outline[i + 1]);
    if (!x || !y) return outlineError(outline, "holds a character that is not a point letter.");
    if (*x >= width || *y >= width) return outlineError(outline, "holds a point outside the board.");
    listed[*x + *y * width] = true;
  }
  const std::vector<bool> outside = outsideCells(width, listed);
  FieldOfTerritory field(width);
  for (int i = 0; i < field.cellCount(); ++i)
    if (!outside[i]) field.set(i % width, i / width, cellOf(c));
  OutlineReading reading;
  reading.field = std::move(field);
  return reading;
}

std::string outlineFromField(const FieldOfTerritory& mask, Colour c) { return OutlineWriter(mask, c).write(); }

}  // namespace meridax
