// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact shock-expansion theory for the plate in the picture, beside the model's own face
// pressures: a small non-modal window of plain labels that the main window refreshes after
// every turn of the plate and every new free stream, while it is shown.
//
// The numbers are the theory report's, formatted as the batch tool prints them, so the window
// and `zerkon-cli theory` never disagree; an absent value reads "—". The regime line turns a
// warning colour whenever the picture no longer describes real flow (a subsonic free stream,
// a detached shock, an upper face in vacuum, or input the theory cannot take).

#include <QColor>
#include <QDialog>
#include <QPalette>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "theory/FlatPlate.h"

class FlowModel;
class QGridLayout;
class QLabel;

class TheoryWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit TheoryWindow(FlowModel& model, QWidget* parent = nullptr);

  // Solves the plate for the model as it stands and shows the result. The model's face
  // pressures are only peeked, so the animation cannot tell this ran.
  void refresh();

  // What the window shows, for its tests and for anyone reading it out.
  QString regimeText() const;
  bool warns() const { return warning; }
  QColor regimeColour() const;
  static constexpr QColor kWarningColour{0xb0, 0x00, 0x20};
  // The shown value of one row of the theory report, by the report's key ("lower.pressure").
  QString value(const std::string& reportKey) const;
  // Every text in the window, one label a line.
  QString allText() const;

  // Whether a regime leaves the picture without real physics behind it.
  static bool picturesRealFlow(theory::Regime regime);

 protected:
  // A new language: the titles and row names again, and the regime in it.
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  // A value label at (row, column) of `grid`, filled from the report row `reportKey`.
  void addValue(QGridLayout& grid, int row, int column, const std::string& reportKey);
  // Names every value of `grid` after its row and its column, as a table's cell is read out
  // ("c_l, Ackeret"), and lets the keyboard reach it.
  void nameCells(const QGridLayout& grid);
  // A label showing the English `text` translated, now and after every change of language.
  QLabel* translated(const char* text);
  QLabel* heading(const char* text);

  FlowModel& model;
  QLabel* regime = nullptr;               // the regime line; owned by this window, as every label
  QLabel* note = nullptr;                 // what the regime means for the picture, when it warns
  std::map<std::string, QLabel*> values;  // by the report's keys
  std::vector<QGridLayout*> grids;        // the asked values, the faces and the plate
  std::vector<std::pair<QLabel*, const char*>> named;  // the translated labels, English text
  QPalette normalPalette;                              // the regime line's palette when all is well
  bool warning = false;
};
