#include "app/progress_port.h"

#include "model/text_format.h"

namespace meridax {
namespace {

// "1,234": counts grouped by thousands.
std::string grouped(std::size_t n) {
  const std::string digits = std::to_string(n);
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

// "812 bytes", "40.5 KB", "3.4 MB".
std::string bytesText(std::size_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " bytes";
  if (bytes < 1024 * 1024) return formatText("%.1f KB", static_cast<double>(bytes) / 1024);
  return formatText("%.1f MB", static_cast<double>(bytes) / (1024 * 1024));
}

const char* verbOf(WorkKind kind) {
  switch (kind) {
    case WorkKind::Loading: return "Loading";
    case WorkKind::Importing: return "Importing";
    case WorkKind::Checking: return "Checking";
    case WorkKind::Saving: return "Saving";
    case WorkKind::Analysing: return "Analysing";
    case WorkKind::Exporting: return "Exporting";
  }
  return "";
}

const char* doneOf(WorkKind kind) {
  switch (kind) {
    case WorkKind::Loading:
    case WorkKind::Importing: return "read";
    case WorkKind::Checking: return "checked";
    case WorkKind::Saving: return "written";
    case WorkKind::Analysing: return "analysed";
    case WorkKind::Exporting: return "drawn";
  }
  return "";
}

}  // namespace

std::string progressHeading(WorkKind kind, const std::string& file) {
  return std::string(verbOf(kind)) + " '" + file + "'";
}

std::string progressDetails(WorkKind kind, const WorkProgress& p) {
  if (kind == WorkKind::Analysing) return grouped(p.games) + " of " + grouped(p.gamesTotal) + " moves analysed";
  if (kind == WorkKind::Exporting)
    return grouped(p.games) + " of " + grouped(p.gamesTotal) + (p.gamesTotal == 1 ? " diagram " : " diagrams ") +
           doneOf(kind);
  std::string text = grouped(p.games);
  if (p.gamesTotal != 0) text += " of " + grouped(p.gamesTotal);
  text += p.games == 1 && p.gamesTotal == 0 ? " game " : " games ";
  text += doneOf(kind);
  text += ", " + bytesText(p.bytesDone);
  if (p.bytesTotal != 0) text += " of " + bytesText(p.bytesTotal);
  return text;
}

ProgressScope::ProgressScope(ProgressPort* port, WorkKind kind, const std::string& file) : port_(port) {
  if (port_ != nullptr) port_->begin(kind, file);
}

ProgressScope::~ProgressScope() {
  if (port_ != nullptr) port_->end();
}

ProgressCallback ProgressScope::callback() {
  if (port_ == nullptr) return {};
  return [this](const WorkProgress& p) {
    if (!cancelled_ && !port_->advance(p)) cancelled_ = true;
    return !cancelled_;
  };
}

}  // namespace meridax
