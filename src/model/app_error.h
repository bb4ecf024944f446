#pragma once
// An error that reaches the user: its message text and the caption of the box that shows it.

#include <stdexcept>
#include <string>

namespace meridax {

class AppError : public std::runtime_error {
 public:
  AppError(std::string caption, const std::string& text) : std::runtime_error(text), caption_(std::move(caption)) {}
  const std::string& caption() const { return caption_; }
  std::string text() const { return what(); }

 private:
  std::string caption_;
};

}  // namespace meridax
