#include "edit/edit_notice.h"

namespace meridax {

std::string warningQuestion(std::string_view action, PrimaryLoss loss) {
  std::string text = "Warning.\nAbout to ";
  text += action;
  text += ".\n\n";
  if (loss == PrimaryLoss::Yes) text += "The primary position will be deleted by this action.\n\n";
  text += "Do you wish to continue?";
  return text;
}

}  // namespace meridax
