#include "app/profile_port.h"

#include <charconv>

namespace meridax {
namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string readString(const ProfilePort& profile, std::string_view section, std::string_view key,
                       std::string_view fallback) {
  std::optional<std::string> value = profile.readString(section, key);
  return value ? std::move(*value) : std::string(fallback);
}

std::int32_t readInt(const ProfilePort& profile, std::string_view section, std::string_view key,
                     std::int32_t fallback) {
  return profile.readInt(section, key).value_or(fallback);
}

std::optional<std::int32_t> parseInt32(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace meridax
