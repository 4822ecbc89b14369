// The settings dialog's page for the look: the piece set with its effects,
// the window style, and two previews of the board (3D and flat) that follow
// the choice as it is made. Nothing changes until the dialog is saved.
#pragma once

#include <QWidget>

#include "ui/look.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;
class LookPreview;

class LookPage : public QWidget {
  Q_OBJECT

 public:
  explicit LookPage(QWidget *parent = nullptr);

  // Shows a look's choices (the one in force when the dialog opens).
  void load(const Look &look);
  Look chosen() const;
  // Stores the choice in the preferences and puts it in force.
  void apply();
  // The captions (and the tab's) in the language in force.
  void setLanguage();
  // Loads the skin the previews draw the board with.
  void useSkin(const QString &path);

  QRadioButton *classicSet, *stauntonSet, *classicStyle, *calmStyle;
  QCheckBox *shadows, *reflection, *specular;
  LookPreview *solidPreview, *flatPreview;

 private:
  void follow();
  QGroupBox *pieces_, *style_;
};
