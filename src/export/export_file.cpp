#include "export/export_file.h"
#include "model/text_format.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>

namespace meridax {
namespace {

std::string temporaryNameBeside(const std::string& path) {
  std::random_device device;
  std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
  return path + formatText(".%06x~", digits(device));
}

}  // namespace

std::optional<std::error_code> writeFileWhole(const std::string& path, std::string_view bytes) {
  const std::string temporary = temporaryNameBeside(path);
  {
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return std::error_code(errno != 0 ? errno : EIO, std::generic_category());
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      const std::error_code reason(errno != 0 ? errno : EIO, std::generic_category());
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
    return error;
  }
  return std::nullopt;
}

}  // namespace meridax
