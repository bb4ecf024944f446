#include "app/user_ports.h"

#include <cstring>

namespace meridax {

SystemError systemError(int code) {
  char buffer[256] = {};
  // GNU strerror_r may return a static text instead of filling the buffer.
  const char* text = strerror_r(code, buffer, sizeof buffer);
  return SystemError{code, text ? text : ""};
}

}  // namespace meridax
