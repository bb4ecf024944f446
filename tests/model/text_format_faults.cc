// Formats that must not compile: each FAULT_ macro selects one; with none the file compiles.
#include "model/text_format.h"

#include <string>

void formats() {
  const std::string s = "x";
  meridax::formatText("%d of %s", 1, s);
#ifdef FAULT_MORE
  meridax::formatText("%d of %d", 1);
#endif
#ifdef FAULT_FEWER
  meridax::formatText("%d", 1, 2);
#endif
#ifdef FAULT_KIND
  meridax::formatText("'%s'", 5);
#endif
#ifdef FAULT_UNKNOWN
  meridax::formatText("%y", 5);
#endif
}
