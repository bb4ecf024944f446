#pragma once
// Outside programs on a POSIX desktop: a program is started in a session of its own and never waited for;
// documents and addresses are handed to the desktop's opener (xdg-open).

#include <string>
#include <vector>

#include "app/user_ports.h"

namespace meridax {

class PosixProcessPort : public ProcessPort {
 public:
  explicit PosixProcessPort(std::string opener = "xdg-open") : opener_(std::move(opener)) {}

  // Returns once the program has been executed; an error when it cannot be found or started.
  std::optional<SystemError> startDetached(const std::string& program,
                                           const std::vector<std::string>& arguments) override;
  std::optional<SystemError> openDocument(const std::string& pathOrUrl) override;

 private:
  std::string opener_;
};

// The executable file a program name stands for: a name with a '/' as it is, another looked up in `searchPath`
// (a PATH value). Empty when none is found.
std::string findExecutable(const std::string& program, const std::string& searchPath);

}  // namespace meridax
