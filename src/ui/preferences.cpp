#include "ui/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <string>

#include "settings/folders.h"

namespace {

QString chosenFile;  // a test's file, else empty
std::unique_ptr<Preferences> current;

QString userFile() {
  // Beside Zefiran3D.ini: the configuration folder chosen at start-up, which
  // is the program's own folder in portable use.
  const std::string chosen = configFolder();
  if (!chosen.empty()) return QString::fromStdString(chosen) + QStringLiteral("preferences.conf");
  // Before start-up: XDG_CONFIG_HOME where it is set, else ~/.config, as
  // QStandardPaths gives it on Linux.
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return base + QStringLiteral("/zefiran3d/preferences.conf");
}

}  // namespace

Preferences& Preferences::instance() {
  if (!current) current.reset(new Preferences(chosenFile.isEmpty() ? userFile() : chosenFile));
  return *current;
}

void Preferences::useFile(const QString& path) {
  if (current) current->save();
  current.reset();
  chosenFile = path;
}

Preferences::Preferences(const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
  if (settings_->status() != QSettings::NoError) {
    // What cannot be read is not written over either: the defaults hold for
    // this run and the file stays for the user to look at.
    problem_ = QStringLiteral("cannot read the preferences in %1; using the defaults").arg(path);
    readable_ = false;
    settings_.reset();
  }
}

Preferences::~Preferences() { save(); }

QVariant Preferences::value(const QString& key, const QVariant& fallback) const {
  if (!readable_) return fallback;
  return settings_->value(key, fallback);
}

int Preferences::number(const QString& key, int fallback) const {
  bool ok = false;
  const int n = value(key, fallback).toInt(&ok);
  return ok ? n : fallback;
}

void Preferences::setValue(const QString& key, const QVariant& v) {
  if (readable_) settings_->setValue(key, v);
}

void Preferences::save() {
  if (readable_) settings_->sync();
}

QString Preferences::fileName() const { return readable_ ? settings_->fileName() : QString(); }
