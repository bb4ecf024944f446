#include "app/list_dialog_port.h"

#include "collection/collection_edits.h"

namespace meridax {

std::optional<SSGFDetails> editGameDetailsByText(DialogPort& dialogs, const GameDetailsForm& form) {
  SSGFDetails edited = form.details;
  for (const DetailsFormField& field : form.fields) {
    std::optional<std::string> text = dialogs.askText(form.title, field.label, form.details[field.field]);
    if (!text) return std::nullopt;
    edited[field.field] = std::move(*text);
  }
  return edited;
}

std::optional<std::string> askNewPlayerNameByText(DialogPort& dialogs, const std::string& name) {
  return dialogs.askText(kRenameDialogTitle, kNewNameLabel, name);
}

}  // namespace meridax
