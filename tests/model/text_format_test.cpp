#include "model/text_format.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <string>

namespace meridax {
namespace {

// What the C library makes of the same format, for comparison.
std::string cText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string cText(const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

struct Case {
  const char* name;
  std::string ours;
  std::string c;
};

TEST(TextFormat, FormatsOfTheProgram_GiveWhatPrintfGives) {
  const std::string path = "/home/kim/Games/collection.sgf";
  const Case cases[] = {
      {"text and number", formatText("'%s'\n%s\nError Code is %d", path.c_str(), "No such file", 2),
       cText("'%s'\n%s\nError Code is %d", path.c_str(), "No such file", 2)},
      {"std::string", formatText("File '%s' saved", path), cText("File '%s' saved", path.c_str())},
      {"floating", formatText("Please enter a value between %f and %f", 0.5, 12.25),
       cText("Please enter a value between %f and %f", 0.5, 12.25)},
      {"width and precision", formatText("%5.2f %s\n", 3.14159, "x"), cText("%5.2f %s\n", 3.14159, "x")},
      {"zero precision", formatText("%0.2f", 2.0 / 3.0), cText("%0.2f", 2.0 / 3.0)},
      {"hex digits", formatText("%06X|%08x|\\x%02X", 0xABCDu, 0xDEADu, 7), cText("%06X|%08x|\\x%02X", 0xABCDu, 0xDEADu, 7)},
      {"characters", formatText("( %c%c%d )   at move number %u", 'B', 'q', 16, 42u),
       cText("( %c%c%d )   at move number %u", 'B', 'q', 16, 42u)},
      {"length modifiers", formatText("_%04ld %zu", 7L, std::size_t{12}), cText("_%04ld %zu", 7L, std::size_t{12})},
      {"padding", formatText("%2d   |%-4d|", 7, -3), cText("%2d   |%-4d|", 7, -3)},
      {"star width", formatText("%*d", 5, 42), cText("%*d", 5, 42)},
      {"percent", formatText("100%% of %d", 3), cText("100%% of %d", 3)},
      {"no conversions", formatText("Cursor"), cText("Cursor")},
  };
  for (const Case& k : cases) EXPECT_EQ(k.ours, k.c) << k.name;
}

TEST(TextFormat, LongArgument_IsNeverCut) {
  const std::string path(600, 'p');
  EXPECT_EQ(formatText("'%s'\n\nNo games were loaded.", path), "'" + path + "'\n\nNo games were loaded.");
}

TEST(TextFormat, RuntimeFormat_FormatsWhenTheArgumentsFit) {
  const char* chosen = "Unable to read game %d from the loaded file text.";
  EXPECT_EQ(formatText(runtimeFormat(chosen), 4), "Unable to read game 4 from the loaded file text.");
}

TEST(TextFormat, RuntimeFormatThatDoesNotFit_GivesTheFormatBackInsteadOfThrowing) {
  const struct {
    const char* format;
  } cases[] = {{"%d and %d"}, {"%s"}, {"%q"}};
  for (const auto& k : cases) EXPECT_EQ(formatText(runtimeFormat(k.format), 5), k.format);
}

}  // namespace
}  // namespace meridax
