#pragma once
// The settings profile of the desktop build: an INI file kept by QSettings under the company
// "quintelvar" and the application "Meridax", with the same sections, keys and value conventions as
// every other profile. Key names are matched without regard to case, as the core expects.

#include <QSettings>
#include <memory>

#include "app/app_paths.h"
#include "app/profile_port.h"

namespace meridax {

class QSettingsProfile : public ProfilePort {
 public:
  // The user's profile file (QSettings::IniFormat, user scope).
  QSettingsProfile();
  // A profile kept in the given INI file (for tests and --profile).
  explicit QSettingsProfile(const QString& iniPath);

  std::optional<std::string> readString(std::string_view section, std::string_view key) const override;
  std::optional<std::int32_t> readInt(std::string_view section, std::string_view key) const override;
  std::optional<Bytes> readBinary(std::string_view section, std::string_view key) const override;
  void writeString(std::string_view section, std::string_view key, std::string_view value) override;
  void writeInt(std::string_view section, std::string_view key, std::int32_t value) override;
  void writeBinary(std::string_view section, std::string_view key, const Bytes& value) override;

  // Writes pending changes to the file; false when QSettings reports an error.
  bool sync();
  QString fileName() const { return settings_->fileName(); }

 private:
  // The stored "Section/Key" whose names match without regard to case, or empty when absent.
  QString storedKey(std::string_view section, std::string_view key) const;
  QString keyForWrite(std::string_view section, std::string_view key) const;

  std::unique_ptr<QSettings> settings_;
};

}  // namespace meridax
