#pragma once
// The program's one text formatter: printf format strings, kept exactly as the texts are written, formatted by
// fmt::sprintf. A literal format is checked against its arguments when the program is compiled (a conversion for
// every argument, of a fitting kind); a format chosen at run time goes through `runtimeFormat`.

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

#include <fmt/printf.h>

namespace meridax {

namespace format_check {

enum class Conversion { Integer, Floating, Text, Pointer };

// Called only when a check fails: being no constant expression, it stops the compilation and names the fault.
void format_has_more_conversions_than_arguments();
void format_has_fewer_conversions_than_arguments();
void format_has_an_unknown_conversion();
void format_argument_does_not_fit_its_conversion();

template <typename T>
consteval bool fits(Conversion c) {
  using U = std::remove_cvref_t<std::decay_t<T>>;
  constexpr bool text = std::is_same_v<U, const char*> || std::is_same_v<U, char*> ||
                        std::is_same_v<U, std::string> || std::is_same_v<U, std::string_view>;
  switch (c) {
    case Conversion::Integer: return std::is_integral_v<U>;
    case Conversion::Floating: return std::is_floating_point_v<U>;
    case Conversion::Text: return text;
    case Conversion::Pointer: return std::is_pointer_v<U> && !text;
  }
  return false;
}

// What the conversion ending in `letter` takes.
consteval Conversion conversionOf(char letter) {
  switch (letter) {
    case 'd': case 'i': case 'u': case 'o': case 'x': case 'X': case 'c': return Conversion::Integer;
    case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A': return Conversion::Floating;
    case 's': return Conversion::Text;
    case 'p': return Conversion::Pointer;
    default: format_has_an_unknown_conversion();
  }
  return Conversion::Integer;
}

// Whether the n-th of the arguments fits the conversion `c`.
template <typename... Args>
consteval bool argumentFits([[maybe_unused]] std::size_t n, [[maybe_unused]] Conversion c) {
  [[maybe_unused]] std::size_t k = 0;
  bool result = false;
  ((result = k++ == n ? fits<Args>(c) : result), ...);
  return result;
}

template <typename... Args>
consteval void takeArgument(std::size_t& used, Conversion c) {
  if (used >= sizeof...(Args)) format_has_more_conversions_than_arguments();
  if (!argumentFits<Args...>(used, c)) format_argument_does_not_fit_its_conversion();
  ++used;
}

constexpr bool isFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0' || c == '\''; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool isLength(char c) { return c == 'h' || c == 'l' || c == 'L' || c == 'j' || c == 'z' || c == 't'; }

// Walks `text` as printf would, matching each conversion (and each '*' width or precision) with an argument.
template <typename... Args>
consteval void check(std::string_view text) {
  std::size_t used = 0;
  std::size_t i = 0;
  const auto at = [&](std::size_t k) { return k < text.size() ? text[k] : '\0'; };
  while (i < text.size()) {
    if (text[i++] != '%') continue;
    if (at(i) == '%') { ++i; continue; }
    while (isFlag(at(i))) ++i;
    if (at(i) == '*') { takeArgument<Args...>(used, Conversion::Integer); ++i; }
    while (isDigit(at(i))) ++i;
    if (at(i) == '.') {
      ++i;
      if (at(i) == '*') { takeArgument<Args...>(used, Conversion::Integer); ++i; }
      while (isDigit(at(i))) ++i;
    }
    while (isLength(at(i))) ++i;
    takeArgument<Args...>(used, conversionOf(at(i)));
    ++i;
  }
  if (used < sizeof...(Args)) format_has_fewer_conversions_than_arguments();
}

}  // namespace format_check

// A printf format whose conversions were checked against the types `Args` at compile time.
template <typename... Args>
class CheckedFormat {
 public:
  // A literal or a constexpr text; anything else does not compile (use runtimeFormat).
  consteval CheckedFormat(const char* text) : text_(text) {  // NOLINT: converts implicitly by design
    format_check::check<Args...>(text);
  }
  const char* text() const { return text_; }

 private:
  const char* text_;
};

// A format known only at run time, such as one picked from a table by a parameter.
struct RuntimeFormat {
  const char* text;
};
inline RuntimeFormat runtimeFormat(const char* text) { return RuntimeFormat{text}; }

// The text printf would produce for `format` and the arguments.
template <typename... Args>
std::string formatText(CheckedFormat<std::type_identity_t<Args>...> format, const Args&... args) {
  return fmt::sprintf(format.text(), args...);
}

// As above for a format chosen at run time. A format that does not fit the arguments gives back the format
// text unchanged, so the message still says what it is about.
template <typename... Args>
std::string formatText(RuntimeFormat format, const Args&... args) {
  try {
    return fmt::sprintf(format.text, args...);
  } catch (const fmt::format_error&) {
    return format.text;
  }
}

}  // namespace meridax
