#include "model/board_position.h"

#include <cstdlib>
#include <sstream>

namespace meridax {

bool isOnBoard(GameKind kind, int width, int height, int x, int y) {
  if (x < 0 || y < 0 || x >= width || y >= width) return false;
  if (isHexagonBoard(kind)) return std::abs(y - x) <= (width - 1) / 2;
  if (kind == GameKind::Kropki) return y < height;
  return true;
}

BoardPosition startingPosition(GameKind kind, int width, int height) {
  BoardPosition pos(width);
  for (int y = 0; y < width; ++y)
    for (int x = 0; x < width; ++x)
      pos.set(x, y, isOnBoard(kind, width, height, x, y) ? cell::kEmpty : cell::kOffBoard);
  if (kind == GameKind::Othello && width >= 2) {
    // The four centre cells, White on the diagonal; on an odd board the four up and left of the middle
    // cell (a formula over cell numbers would put them on the edges there).
    const int c = width / 2;
    pos.set(c - 1, c - 1, cell::kWhite);
    pos.set(c, c - 1, cell::kBlack);
    pos.set(c - 1, c, cell::kBlack);
    pos.set(c, c, cell::kWhite);
  }
  return pos;
}

std::string toDiagram(const BoardPosition& pos) {
  std::string out;
  for (int y = 0; y < pos.width(); ++y) {
    for (int x = 0; x < pos.width(); ++x) {
      switch (pos.at(x, y)) {
        case cell::kOffBoard: out += '#'; break;
        case cell::kBlack: out += 'X'; break;
        case cell::kWhite: out += 'O'; break;
        case cell::kAvailable: out += '+'; break;
        case cell::kEmpty: out += '.'; break;
        default: out += '?'; break;
      }
    }
    out += '\n';
  }
  return out;
}

std::vector<std::string> diagramRows(const std::string& text) {
  std::vector<std::string> rows;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::string row;
    for (char ch : line)
      if (ch != ' ' && ch != '\t' && ch != '\r') row += ch;
    if (!row.empty()) rows.push_back(row);
  }
  return rows;
}

BoardPosition fromDiagram(const std::string& text) {
  const std::vector<std::string> rows = diagramRows(text);
  BoardPosition pos(static_cast<int>(rows.size()));
  for (int y = 0; y < pos.width(); ++y) {
    for (int x = 0; x < pos.width() && x < static_cast<int>(rows[y].size()); ++x) {
      std::uint8_t v = cell::kEmpty;
      switch (rows[y][x]) {
        case '#': v = cell::kOffBoard; break;
        case 'X': v = cell::kBlack; break;
        case 'O': v = cell::kWhite; break;
        case '+': v = cell::kAvailable; break;
        default: v = cell::kEmpty; break;
      }
      pos.set(x, y, v);
    }
  }
  return pos;
}

}  // namespace meridax
