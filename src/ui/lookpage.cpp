#include "ui/lookpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/lookpreview.h"

namespace {

constexpr int PREVIEW_WIDTH = 240;
constexpr int PREVIEW_HEIGHT = 180;

}  // namespace

LookPage::LookPage(QWidget* parent) : QWidget(parent) {
  setObjectName("lookPage");
  auto* v = new QVBoxLayout(this);

  auto* pieces = pieces_ = new QGroupBox(this);
  auto* pv = new QGridLayout(pieces);
  classicSet = new QRadioButton(pieces);
  classicSet->setObjectName("lookClassicSet");
  stauntonSet = new QRadioButton(pieces);
  stauntonSet->setObjectName("lookStauntonSet");
  shadows = new QCheckBox(pieces);
  shadows->setObjectName("lookShadows");
  reflection = new QCheckBox(pieces);
  reflection->setObjectName("lookReflection");
  specular = new QCheckBox(pieces);
  specular->setObjectName("lookSpecular");
  auto* sets = new QButtonGroup(this);
  sets->addButton(classicSet);
  sets->addButton(stauntonSet);
  pv->addWidget(classicSet, 0, 0);
  pv->addWidget(stauntonSet, 0, 1);
  pv->addWidget(shadows, 1, 0);
  pv->addWidget(reflection, 1, 1);
  pv->addWidget(specular, 1, 2);
  v->addWidget(pieces);

  auto* style = style_ = new QGroupBox(this);
  auto* sv = new QHBoxLayout(style);
  classicStyle = new QRadioButton(style);
  classicStyle->setObjectName("lookClassicStyle");
  calmStyle = new QRadioButton(style);
  calmStyle->setObjectName("lookCalmStyle");
  auto* styles = new QButtonGroup(this);
  styles->addButton(classicStyle);
  styles->addButton(calmStyle);
  sv->addWidget(classicStyle);
  sv->addWidget(calmStyle);
  sv->addStretch(1);
  v->addWidget(style);

  auto* previews = new QHBoxLayout;
  solidPreview = new LookPreview(false, this);
  solidPreview->setObjectName("lookSolidPreview");
  flatPreview = new LookPreview(true, this);
  flatPreview->setObjectName("lookFlatPreview");
  for (LookPreview* p : {solidPreview, flatPreview}) {
    p->setFixedSize(PREVIEW_WIDTH, PREVIEW_HEIGHT);
    previews->addWidget(p);
  }
  previews->addStretch(1);
  v->addLayout(previews);
  v->addStretch(1);

  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{classicSet, stauntonSet, shadows, reflection,
                                                                    specular, classicStyle, calmStyle})
    connect(b, &QAbstractButton::toggled, this, &LookPage::follow);
  setLanguage();
  load(Look{});
}

void LookPage::setLanguage() {
  pieces_->setTitle(lookCaption("M_PIECESET"));
  classicSet->setText(lookCaption("M_PIECESCLASSIC"));
  stauntonSet->setText(lookCaption("M_PIECESSTAUNTON"));
  shadows->setText(lookCaption("M_SHADOWS"));
  reflection->setText(lookCaption("M_REFLECTION"));
  specular->setText(lookCaption("M_HIGHLIGHTS"));
  style_->setTitle(lookCaption("M_WINDOWSTYLE"));
  classicStyle->setText(lookCaption("M_STYLECLASSIC"));
  calmStyle->setText(lookCaption("M_STYLECALM"));
  // The page names its own tab.
  for (QWidget* w = parentWidget(); w; w = w->parentWidget())
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      tabs->setTabText(tabs->indexOf(this), lookCaption("P_LOOK"));
      break;
    }
}

void LookPage::load(const Look& l) {
  (l.pieces == PieceSet::Staunton ? stauntonSet : classicSet)->setChecked(true);
  (l.style == WindowStyle::Calm ? calmStyle : classicStyle)->setChecked(true);
  shadows->setChecked(l.effects.shadows);
  reflection->setChecked(l.effects.reflection);
  specular->setChecked(l.effects.specular);
  follow();
}

Look LookPage::chosen() const {
  Look l;
  l.pieces = stauntonSet->isChecked() ? PieceSet::Staunton : PieceSet::Classic;
  l.style = calmStyle->isChecked() ? WindowStyle::Calm : WindowStyle::Classic;
  l.effects.shadows = shadows->isChecked();
  l.effects.reflection = reflection->isChecked();
  l.effects.specular = specular->isChecked();
  return l;
}

void LookPage::apply() {
  const Look l = chosen();
  saveLook(l);
  useLook(l);
}

void LookPage::useSkin(const QString& path) {
  solidPreview->caricaskin(path);
  flatPreview->caricaskin(path);
}

void LookPage::follow() {
  // The effects belong to the Staunton set.
  for (QCheckBox* c : {shadows, reflection, specular}) c->setEnabled(stauntonSet->isChecked());
  const Look l = chosen();
  solidPreview->showLook(l);
  flatPreview->showLook(l);
}
