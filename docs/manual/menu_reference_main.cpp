// Writes the manual's pages made from the program itself: the reference of the menus, from the command
// registry, and the index of commands, keys and settings.

#include <fstream>
#include <iostream>
#include <string>

#include "app/command_index.h"
#include "app/menu_reference.h"

namespace {

bool writePage(const char* path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) std::cerr << "meridax-menu-reference: cannot write '" << path << "'\n";
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: meridax-menu-reference MENUS.md INDEX.md\n";
    return 2;
  }
  const bool written = writePage(argv[1], meridax::menuReferenceMarkdown()) &&
                       writePage(argv[2], meridax::commandIndexMarkdown());
  return written ? 0 : 2;
}
