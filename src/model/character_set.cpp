#include "model/character_set.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <utility>
#include <vector>

#include "model/grid_frame.h"

namespace meridax {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// A CA value reduced to capitals and digits, so that "iso8859_1", "ISO-8859-1" and "ISO 8859-1" meet.
std::string reducedName(std::string_view name) {
  std::string out;
  for (char c : name) {
    if (c >= 'a' && c <= 'z') out += static_cast<char>(c - 'a' + 'A');
    else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) out += c;
  }
  return out;
}

struct Alias {
  std::string_view reduced;
  std::string_view converter;
};

// Names files use for sets whose usual label is narrower than what they hold: Shift_JIS files come from
// Windows (code page 932), GB2312 files hold GBK, EUC-KR files the Windows extension of it.
constexpr std::array<Alias, 14> kAliases = {{
    {"SHIFTJIS", "CP932"},  {"SJIS", "CP932"},     {"MSKANJI", "CP932"},  {"WINDOWS31J", "CP932"},
    {"GB2312", "GBK"},      {"EUCCN", "GBK"},      {"GB231280", "GBK"},   {"CP936", "GBK"},
    {"EUCKR", "CP949"},     {"KSC56011987", "CP949"}, {"MACINTOSH", "MACINTOSH"}, {"MACROMAN", "MACINTOSH"},
    {"BIG5", "BIG5"},       {"CP950", "BIG5"},
}};

bool namesUnicode(const std::string& reduced) {
  return reduced == "UTF8" || reduced.starts_with("UTF16") || reduced == "UCS2" || reduced == "UNICODE";
}

// "ISO8859..." and "WINDOWS125x"/"CP125x" and "LATINn" in the form the C library takes.
std::string standardForm(const std::string& reduced) {
  if (reduced.starts_with("ISO8859") && reduced.size() > 7) return "ISO-8859-" + reduced.substr(7);
  if (reduced.starts_with("WINDOWS") && reduced.size() > 7) return "WINDOWS-" + reduced.substr(7);
  if (reduced.starts_with("CP125") || reduced.starts_with("WIN125")) return "WINDOWS-" + reduced.substr(reduced.size() - 4);
  if (reduced.starts_with("KOI8") && reduced.size() > 4) return "KOI8-" + reduced.substr(4);
  if (reduced.starts_with("EUCJP")) return "EUC-JP";
  if (reduced.starts_with("ISO2022JP")) return "ISO-2022-JP";
  return {};
}

bool converterKnown(const std::string& name) {
  const iconv_t cd = iconv_open("UTF-8", name.c_str());
  if (cd == kNoConverter) return false;
  iconv_close(cd);
  return true;
}

// The converters of the directions and sets used last, most recent first, closed with the thread. A file
// may name any number of sets: the cache keeps a few, and the least recently used one is closed for a new.
class ConverterCache {
 public:
  static constexpr std::size_t kCapacity = 8;

  ConverterCache() = default;
  ConverterCache(const ConverterCache&) = delete;
  ConverterCache& operator=(const ConverterCache&) = delete;
  ~ConverterCache() {
    for (const Entry& e : open_) close(e.cd);
  }

  iconv_t get(const std::string& to, const std::string& from) {
    auto it = std::find_if(open_.begin(), open_.end(), [&](const Entry& e) { return e.to == to && e.from == from; });
    if (it == open_.end()) {
      if (open_.size() == kCapacity) {
        close(open_.back().cd);
        open_.pop_back();
      }
      open_.insert(open_.begin(), Entry{to, from, iconv_open(to.c_str(), from.c_str())});
      return open_.front().cd;
    }
    std::rotate(open_.begin(), it, it + 1);
    return open_.front().cd;
  }

 private:
  struct Entry {
    std::string to;
    std::string from;
    iconv_t cd;
  };
  static void close(iconv_t cd) {
    if (cd != kNoConverter) iconv_close(cd);
  }

  std::vector<Entry> open_;
};

iconv_t converter(const std::string& to, const std::string& from) {
  thread_local ConverterCache cache;
  const iconv_t cd = cache.get(to, from);
  if (cd != kNoConverter) iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  return cd;
}

enum class Stop { Done, Invalid };

// Runs the converter over the bytes, appending to out; stops at the first byte it cannot convert and
// leaves `at` there.
Stop convertInto(iconv_t cd, std::string_view bytes, std::size_t& at, std::string& out) {
  char buffer[1024];
  while (true) {
    char* in = const_cast<char*>(bytes.data() + at);
    std::size_t inLeft = bytes.size() - at;
    char* outAt = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(cd, inLeft == 0 ? nullptr : &in, &inLeft, &outAt, &outLeft);
    const int error = errno;
    out.append(buffer, static_cast<std::size_t>(outAt - buffer));
    at = bytes.size() - inLeft;
    if (result != static_cast<std::size_t>(-1)) {
      if (inLeft == 0) return Stop::Done;
      continue;
    }
    if (error != E2BIG) return Stop::Invalid;
  }
}

void appendLatin1(std::string& out, std::string_view bytes) {
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
}

}  // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, minimum = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, minimum = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, minimum = 0x10000;
  else return 0;
  if (at + length > text.size()) return 0;
  unsigned value = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(at + i) & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  if (value < minimum || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return 0;
  return length;
}

namespace {

// Bytes every set known here reads as ASCII: no byte above 0x7F, and no escape, which switches the sets
// with shifts (ISO-2022-JP) to other tables.
bool isAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80 && c != 0x1B; });
}

}  // namespace

std::optional<std::string> converterName(std::string_view characterSet) {
  const std::string reduced = reducedName(characterSet);
  if (reduced.empty() || namesUnicode(reduced) || reduced == "ASCII" || reduced == "USASCII") return std::nullopt;
  for (const Alias& a : kAliases)
    if (a.reduced == reduced) return std::string(a.converter);
  const std::string standard = standardForm(reduced);
  if (!standard.empty() && converterKnown(standard)) return standard;
  const std::string asWritten(characterSet);
  if (converterKnown(asWritten)) return asWritten;
  return std::nullopt;
}

bool isValidUtf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = utf8SequenceLength(bytes, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string textToUtf8(std::string_view bytes, std::string_view characterSet) {
  std::string out;
  if (isAscii(bytes)) return std::string(bytes);
  const std::optional<std::string> name = converterName(characterSet);
  const iconv_t cd = name ? converter(kUtf8CharacterSet, *name) : kNoConverter;
  if (cd == kNoConverter) {
    // UTF-8 where the bytes are UTF-8, Latin-1 for every byte that is not part of a valid sequence.
    out.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t at = 0; at < bytes.size();) {
      const std::size_t length = utf8SequenceLength(bytes, at);
      if (length > 0) out.append(bytes.substr(at, length));
      else appendLatin1(out, bytes.substr(at, 1));
      at += std::max<std::size_t>(length, 1);
    }
    return out;
  }
  out.reserve(bytes.size() * 3 / 2);
  std::size_t at = 0;
  while (convertInto(cd, bytes, at, out) == Stop::Invalid) {
    out += kReplacement;
    ++at;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

std::optional<std::string> textFromUtf8(std::string_view utf8, std::string_view characterSet) {
  if (!isValidUtf8(utf8)) return std::nullopt;
  const std::optional<std::string> name = converterName(characterSet);
  if (!name || isAscii(utf8)) return std::string(utf8);
  const iconv_t cd = converter(*name, kUtf8CharacterSet);
  if (cd == kNoConverter) return std::nullopt;
  std::string out;
  std::size_t at = 0;
  if (convertInto(cd, utf8, at, out) != Stop::Done) return std::nullopt;
  // A set with shifts (ISO-2022-JP) ends in its initial state.
  char buffer[16];
  char* outAt = buffer;
  std::size_t outLeft = sizeof buffer;
  iconv(cd, nullptr, nullptr, &outAt, &outLeft);
  out.append(buffer, static_cast<std::size_t>(outAt - buffer));
  return out;
}

std::string characterSetForWriting(std::string_view characterSet) {
  const std::string reduced = reducedName(characterSet);
  if (reduced.starts_with("UTF16") || reduced == "UCS2" || reduced == "UNICODE") return kUtf8CharacterSet;
  return std::string(characterSet);
}

std::string gameTextToUtf8(const SGridFrame& game, std::string_view bytes) {
  return textToUtf8(bytes, game.characterSet);
}

void convertGameToUtf8(SGridFrame& game) {
  const std::string from = game.characterSet;
  auto convert = [&](std::string& text) { text = textToUtf8(text, from); };
  for (std::size_t i = 0; i < game.details.size(); ++i)
    if (!std::as_const(game.details).text(i).empty()) convert(game.details.text(i));
  for (auto* index : {&game.comments, &game.names, &game.markup, &game.otherProperties})
    for (auto& [node, text] : *index) convert(text);
  for (Bookmark& b : game.bookmarks) convert(b.name);
  game.characterSet = kUtf8CharacterSet;
}

}  // namespace meridax
