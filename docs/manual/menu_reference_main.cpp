// Writes the manual's reference of the menus, made from the command registry, to the file named.

#include <fstream>
#include <iostream>

#include "app/menu_reference.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: meridax-menu-reference OUT.md\n";
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << meridax::menuReferenceMarkdown();
  out.close();
  if (!out) {
    std::cerr << "meridax-menu-reference: cannot write '" << argv[1] << "'\n";
    return 2;
  }
  return 0;
}
