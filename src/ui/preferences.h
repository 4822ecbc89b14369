// The user's preferences, kept between runs: the view and the board's turn,
// the camera, the window's size and state, the time control, who plays
// which side, the move marks, sound, the last folders, the look. They live
// in "preferences.conf" in the configuration folder (settings/folders.h:
// $XDG_CONFIG_HOME/zefiran3d, else ~/.config/zefiran3d, or the program's
// folder in portable use), beside the settings file Zefiran3D.ini, whose
// keys stay as they are.
//
// A preferences file that cannot be read gives the defaults and a message
// (problem()); it is never fatal and never touches Zefiran3D.ini.
#pragma once

#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

class Preferences {
 public:
  // The program's preferences, in the user's folder.
  static Preferences& instance();
  // Tests: the preferences in this file instead (an empty name goes back to
  // the user's folder).
  static void useFile(const QString& path);

  QVariant value(const QString& key, const QVariant& fallback = QVariant()) const;
  bool flag(const QString& key, bool fallback) const { return value(key, fallback).toBool(); }
  int number(const QString& key, int fallback) const;
  void setValue(const QString& key, const QVariant& value);
  // Written to the file now (also done at exit).
  void save();

  // The file in use, and why it could not be read (empty when it could).
  QString fileName() const;
  QString problem() const { return problem_; }

  ~Preferences();

 private:
  explicit Preferences(const QString& path);
  std::unique_ptr<QSettings> settings_;
  QString problem_;
  bool readable_ = true;
};
