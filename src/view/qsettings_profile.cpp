#include "view/qsettings_profile.h"

#include <QByteArray>
#include <QStringList>

namespace meridax {

namespace {

QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

QSettingsProfile::QSettingsProfile()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kCompanyName,
                                            kApplicationName)) {}

QSettingsProfile::QSettingsProfile(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QString QSettingsProfile::storedKey(std::string_view section, std::string_view key) const {
  const QStringList groups = settings_->childGroups();
  for (const QString& group : groups) {
    if (!sameName(group.toStdString(), section)) continue;
    settings_->beginGroup(group);
    const QStringList keys = settings_->childKeys();
    settings_->endGroup();
    for (const QString& k : keys)
      if (sameName(k.toStdString(), key)) return group + '/' + k;
  }
  return {};
}

QString QSettingsProfile::keyForWrite(std::string_view section, std::string_view key) const {
  const QString existing = storedKey(section, key);
  return existing.isEmpty() ? qstr(section) + '/' + qstr(key) : existing;
}

std::optional<std::string> QSettingsProfile::readString(std::string_view section, std::string_view key) const {
  const QString k = storedKey(section, key);
  if (k.isEmpty()) return std::nullopt;
  const QVariant v = settings_->value(k);
  if (v.typeId() == QMetaType::QByteArray) return std::nullopt;
  return v.toString().toStdString();
}

std::optional<std::int32_t> QSettingsProfile::readInt(std::string_view section, std::string_view key) const {
  const std::optional<std::string> text = readString(section, key);
  if (!text) return std::nullopt;
  return parseInt32(*text);
}

std::optional<Bytes> QSettingsProfile::readBinary(std::string_view section, std::string_view key) const {
  const QString k = storedKey(section, key);
  if (k.isEmpty()) return std::nullopt;
  const QVariant v = settings_->value(k);
  if (v.typeId() != QMetaType::QByteArray) return std::nullopt;
  const QByteArray bytes = v.toByteArray();
  return Bytes(bytes.begin(), bytes.end());
}

void QSettingsProfile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  settings_->setValue(keyForWrite(section, key), qstr(value));
}

void QSettingsProfile::writeInt(std::string_view section, std::string_view key, std::int32_t value) {
  settings_->setValue(keyForWrite(section, key), value);
}

void QSettingsProfile::writeBinary(std::string_view section, std::string_view key, const Bytes& value) {
  const QByteArray bytes(reinterpret_cast<const char*>(value.data()), static_cast<qsizetype>(value.size()));
  settings_->setValue(keyForWrite(section, key), bytes);
}

bool QSettingsProfile::sync() {
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace meridax
