// The time-control dialog: four kinds of control on four pages, each with
// hours, minutes and seconds fields; OK checks them and sets the game's
// clocks, or says under the fields why it did not.
#pragma once

#include <QDialog>
#include <QList>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

class Tsettatempo : public QDialog {
  Q_OBJECT

 public:
  explicit Tsettatempo(QWidget* parent = nullptr);

  // Hours, minutes and seconds fields of one period.
  struct Periodo {
    QLineEdit* ore = nullptr;
    QLineEdit* minuti = nullptr;
    QLineEdit* secondi = nullptr;
  };

  QStackedWidget* Notebook1;
  QPushButton* SpeedButton1;  // page "XMINXMOV"
  QPushButton* SpeedButton2;  // page "XMIN"
  QPushButton* SpeedButton3;  // page "XMINFISCH"
  QPushButton* SpeedButton4;  // page "XMINQPF"
  QPushButton* BitBtn1;       // OK
  QPushButton* BitBtn2;       // Cancel
  QLabel* motivo;             // why OK was refused; hidden while there is nothing to say

  // The fields, page by page.
  Periodo xminxmov, xmin, xminfisch, xminfischbonus, xminqpf, xminqpffinale;
  QLineEdit* mossexmov;
  QLineEdit* mosseqpf;

  // The page in use: "XMINXMOV", "XMIN", "XMINFISCH" or "XMINQPF".
  QString pagina() const;

  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  // Checks the page's fields; stores and closes when they are valid, else
  // shows what the first bad field must hold, focuses it, beeps and stays
  // open.
  void BitBtn1Click();

  // Applies the title, captions and button texts of the current language;
  // done at every opening, and whenever the window applies a new language.
  void settalingua();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FormActivate();
  Periodo creaperiodo(QWidget* pagina, QGridLayout* griglia, int riga, int ore, int minuti, int secondi);
  QLineEdit* creamosse(QWidget* pagina, QGridLayout* griglia, int riga, int mosse);
  void mostrapagina(int indice);
  void mostramotivo(const QString& testo);

  QList<QLabel*> etichetteore_, etichetteminuti_, etichettesecondi_, etichetteper_, etichettemosse_;
  QLabel* etichettabonus_ = nullptr;
};
