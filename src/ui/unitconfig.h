// The configuration dialog: game data, hash size, book depth and
// resignation, the skin and the language; saving writes the settings file.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class LookPage;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;

class Tconfigurazione : public QDialog {
  Q_OBJECT

 public:
  explicit Tconfigurazione(QWidget* parent = nullptr);

  QTabWidget* PageControl1;
  QLabel *etichettagiocatore, *etichettalocalita, *etichettaevento;
  QLineEdit *Edit1, *Edit2, *Edit3;  // player, site, event
  QLabel* etichettahash;
  QPushButton* livelli[9];   // "1 mb" .. "256 mb"
  QLabel* etichettamemoria;  // the label before the estimate
  QLabel* memoria;           // the estimate, "23596 kb."
  QLabel* etichettalibro;
  QSpinBox* SpinEdit1;  // book depth in moves
  QLabel* etichettaabbandono;
  QPushButton *Si1, *No1;
  QLabel *etichettaskin, *etichettaskinattuale, *etichettapreview;
  QListWidget* FileListBox1;  // skins
  QLabel* Image1;             // the current skin
  QLabel* Image2;             // the preview
  QLabel* nomeskinattuale;
  QPushButton* BitBtn3;  // "Cambia Skin"
  QLabel *etichettalingue, *etichettalinguaattuale;
  QListWidget* FileListBox2;  // languages
  QLabel* nomelinguaattuale;
  QPushButton* BitBtn4;  // "Cambia linguaggio"
  QLabel* errore;        // why a skin or language could not be used
  QPushButton* BitBtn1;  // "Salva Configurazioni"
  QPushButton* BitBtn2;  // "Annulla configurazioni"
  LookPage* lookPage;    // the piece set and the window style, with previews

  // The chosen hash level as text ("1" .. "9", or the file's value).
  QString livello() const { return livello_; }

  void setlanguage();
  // The estimate for the chosen level: MB x 1024 + 19500, then " kb.".
  static QString stimamemoria(const QString& livello);
  // A skin drawn as the dialog shows it: from 600 pixels in.
  static QImage anteprimaskin(const QString& percorso, QString& motivo);

  void livelloClick(int livello);
  void FileListBox1Click();
  void cambiaskin();
  void cambialingua();
  // Save: writes the settings file and closes with OK (stays open, with the
  // reason shown, when the file cannot be written).
  void BitBtn1Click();
  // Re-reads the skin and language folders.
  void aggiornaelenchi();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FormShow();
  void mostraskin(QLabel* dove, const QString& nome);

  QString livello_ = QStringLiteral("3");
};
