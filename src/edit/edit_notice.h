#pragma once
// What an editing command tells or asks the person: a caption (the routine that raises it, written as
// a call) and a text; and the Yes/No question that every destructive command asks first.

#include <string>
#include <string_view>

namespace meridax {

struct EditNotice {
  std::string caption;
  std::string text;

  friend bool operator==(const EditNotice&, const EditNotice&) = default;
};

// Whether a destructive command would delete the primary position, which its question then names.
enum class PrimaryLoss : bool { No, Yes };

// "Warning.\nAbout to " + action + ".\n\n", then "The primary position will be deleted by this
// action.\n\n" when the primary is lost, then "Do you wish to continue?".
std::string warningQuestion(std::string_view action, PrimaryLoss loss = PrimaryLoss::No);

}  // namespace meridax
