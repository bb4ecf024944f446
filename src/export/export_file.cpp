#include "export/export_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace meridax {
namespace {

std::string temporaryNameBeside(const std::string& path) {
  std::random_device device;
  std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".%06x~", digits(device));
  return path + suffix;
}

}  // namespace

std::optional<std::string> writeFileWhole(const std::string& path, std::string_view bytes) {
  const std::string temporary = temporaryNameBeside(path);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return std::strerror(errno);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      const std::string reason = errno != 0 ? std::strerror(errno) : "write failed";
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return reason;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return error.message();
  }
  return std::nullopt;
}

}  // namespace meridax
