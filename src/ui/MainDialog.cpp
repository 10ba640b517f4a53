// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainDialog.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <optional>

#include "app/RegimeLine.h"
#include "app/SessionBuilder.h"
#include "model/Constants.h"
#include "platform/FixedText.h"
#include "theory/PerfectGas.h"
#include "ui/AboutDialog.h"
#include "ui/ChartsWindow.h"
#include "ui/FieldHelp.h"
#include "ui/FlowApp.h"
#include "ui/Language.h"
#include "ui/LegendWindow.h"
#include "ui/NumberField.h"
#include "ui/PictureActions.h"
#include "ui/ReadableColour.h"
#include "ui/RegimeLabel.h"
#include "ui/TheoryWindow.h"
#include "ui/ViewActions.h"
#include "ui/WindowPlacement.h"
#include "ui_MainDialog.h"

namespace {
// The three inputs, then the outputs as they are read: the free stream's column, the local
// state's, the local velocity's.
constexpr std::array<FieldId, kAttachOrder.size()> kTabOrder = {
    FieldId::V1,  FieldId::T1, FieldId::P1,   FieldId::Rho1, FieldId::C1, FieldId::M1,
    FieldId::V01, FieldId::T,  FieldId::P,    FieldId::Rho,  FieldId::C,  FieldId::M,
    FieldId::V0,  FieldId::V,  FieldId::Vphi, FieldId::Vr,
};

// α in degrees: a number beyond the range is taken and held at the nearer limit, as the keys
// and the drag hold the plate, instead of being refused digit by digit.
class AngleField final : public QDoubleSpinBox {
 public:
  using QDoubleSpinBox::QDoubleSpinBox;

  QValidator::State validate(QString& input, int& pos) const override {
    const QValidator::State state = QDoubleSpinBox::validate(input, pos);
    if (state != QValidator::Invalid) return state;
    return typed(input) ? QValidator::Intermediate : QValidator::Invalid;
  }
  void fixup(QString& input) const override {
    if (const std::optional<double> value = typed(input))
      input = textFromValue(std::clamp(*value, minimum(), maximum())) + suffix();
  }

 private:
  std::optional<double> typed(const QString& input) const {
    QString number = input.trimmed();
    if (number.endsWith(suffix())) number.chop(suffix().size());
    // A point is taken in every language, as students type it.
    bool ok = false;
    double value = locale().toDouble(number.trimmed(), &ok);
    if (!ok) value = QLocale::c().toDouble(number.trimmed(), &ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
  }
};

// The picture as a screen reader meets it: a slider for α from 0° to 75°, named and described
// as the widget is. Every turn, by the mouse, the keys, the α field or a chart, is announced as
// a new value (MainDialog::refreshRegime).
class PictureAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit PictureAccessible(FlowView* view) : QAccessibleWidget(view, QAccessible::Slider) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QVariant currentValue() const override {
    return std::round(theory::degrees(picture().animation().flowModel().angle) * 100) / 100;
  }
  void setCurrentValue(const QVariant& value) override { picture().turnTo(value.toDouble()); }
  QVariant maximumValue() const override { return 75.0; }
  QVariant minimumValue() const override { return 0.0; }
  QVariant minimumStepSize() const override { return FlowView::kFineKeyStep; }

 private:
  FlowView& picture() const { return *static_cast<FlowView*>(widget()); }
};

QAccessibleInterface* pictureAccessible(const QString& /*className*/, QObject* object) {
  if (auto* view = qobject_cast<FlowView*>(object)) return new PictureAccessible(view);
  return nullptr;
}
}  // namespace

void WidgetFieldTexts::bind(FieldId id, NumberField* field) {
  fields[fieldSlot(id)] = field;
}

NumberField& WidgetFieldTexts::field(FieldId id) const {
  return *fields[fieldSlot(id)];
}

std::string WidgetFieldTexts::text(FieldId id) const {
  return field(id).text().toStdString();
}

void WidgetFieldTexts::setText(FieldId id, const std::string& text) {
  field(id).setText(QString::fromStdString(text));
}

MainDialog::MainDialog(FlowModel& model, QWidget* parent)
    : QDialog(parent), model(model), ui(std::make_unique<Ui::MainDialog>()), view(model) {
  ui->setupUi(this);
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(pictureAccessible);
    return true;
  }();
  (void)factoryInstalled;
  // A main window, not a transient dialog: it can be minimised, not resized.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  const std::array<std::pair<FieldId, NumberField*>, kAttachOrder.size()> bindings = {{
      {FieldId::V1, ui->fieldV1},
      {FieldId::T1, ui->fieldT1},
      {FieldId::P1, ui->fieldP1},
      {FieldId::Rho1, ui->fieldRho1},
      {FieldId::C1, ui->fieldC1},
      {FieldId::M1, ui->fieldM1},
      {FieldId::V01, ui->fieldV01},
      {FieldId::T, ui->fieldT},
      {FieldId::P, ui->fieldP},
      {FieldId::Rho, ui->fieldRho},
      {FieldId::C, ui->fieldC},
      {FieldId::M, ui->fieldM},
      {FieldId::V0, ui->fieldV0},
      {FieldId::V, ui->fieldV},
      {FieldId::Vphi, ui->fieldVphi},
      {FieldId::Vr, ui->fieldVr},
  }};
  for (const auto& [id, field] : bindings) {
    NumberField* const f = field;  // a lambda can capture a variable, not a binding
    fields.bind(id, f);
    // The field's own edit menu, with the About item added.
    f->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(f, &QWidget::customContextMenuRequested, this,
            [this, f](const QPoint& at) { showFieldMenu(*f, at); });
  }
  for (NumberField* input : {ui->fieldV1, ui->fieldT1, ui->fieldP1})
    connect(input, &NumberField::left, this, &MainDialog::applyFreeStream);
  connect(ui->fieldM1, &NumberField::left, this, &MainDialog::applyMach);

  // The probe must have written the fields when requestProbe returns.
  connect(&view, &FlowView::probeRequested, this, &MainDialog::probe, Qt::DirectConnection);

  about = new QAction(this);
  about->setShortcut(QKeySequence(Qt::Key_F1));
  about->setShortcutContext(Qt::WindowShortcut);
  addAction(about);
  connect(about, &QAction::triggered, this, &MainDialog::showAbout);

  theoryItem = new QAction(this);
  theoryItem->setShortcut(QKeySequence(Qt::Key_F2));
  theoryItem->setShortcutContext(Qt::WindowShortcut);
  addAction(theoryItem);
  connect(theoryItem, &QAction::triggered, this, &MainDialog::showTheory);
  connect(&view, &FlowView::plateTurned, this, &MainDialog::refreshTheory);

  // Shift+F10 opens the context menu wherever the Menu key does.
  auto* menuKey = new QAction(this);
  menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
  menuKey->setShortcutContext(Qt::WindowShortcut);
  addAction(menuKey);
  connect(menuKey, &QAction::triggered, this, [] {
    QWidget* target = QApplication::focusWidget();
    if (!target) return;
    const QPoint centre = target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, target->mapToGlobal(centre));
    QApplication::sendEvent(target, &event);
  });

  forgetItem = new QAction(this);
  connect(forgetItem, &QAction::triggered, this, &MainDialog::forgetSettings);

  chartsItem = new QAction(this);
  chartsItem->setShortcut(QKeySequence(Qt::Key_F4));
  chartsItem->setShortcutContext(Qt::WindowShortcut);
  addAction(chartsItem);
  connect(chartsItem, &QAction::triggered, this, &MainDialog::showCharts);
  // The theory and the charts belong to this window's flow: they go when the window goes.
  connect(this, &QDialog::finished, this, [this] {
    if (theory) theory->close();
    if (charts) charts->close();
  });

  // Under the picture: α to type, the regime line beside it, then the teacher's tools in the
  // menu.
  auto* angleRow = new QHBoxLayout;
  angleLabel = new QLabel(this);
  angleLabel->setTextFormat(Qt::RichText);
  angle = new AngleField(this);
  angle->setRange(0, 75);  // degrees, as the keys and the drag clamp it
  angle->setDecimals(1);
  angle->setSingleStep(FlowView::kKeyStep);
  angle->setSuffix(QStringLiteral("°"));
  angle->setKeyboardTracking(false);  // typed digits count once the entry is done
  angle->setAccelerated(true);
  angleLabel->setBuddy(angle);
  connect(angle, &QDoubleSpinBox::valueChanged, &view, &FlowView::turnTo);
  angleRow->addWidget(angleLabel);
  angleRow->addWidget(angle);
  regime = new RegimeLabel(this);
  angleRow->addWidget(regime, 1);
  // The picture with α and the regime under it; the columns below them, or beside them when
  // the window is zoomed beyond the screen's height (reflow).
  picturePart = new QVBoxLayout;
  picturePart->setSpacing(ui->mainLayout->spacing());
  picturePart->addWidget(&view, 0, Qt::AlignHCenter);
  picturePart->addLayout(angleRow);
  ui->mainLayout->insertLayout(0, picturePart);
  ui->mainLayout->setAlignment(ui->columnsLayout, Qt::AlignTop);
  pictures = new PictureActions(*this, view, model, fields);
  // Runs after the legend opened (connected after PictureActions' own slot).
  connect(&pictures->legendAction(), &QAction::triggered, this, [this] {
    if (pictures->legendWindow()) shareKeys(*pictures->legendWindow());
  });
  connect(&view, &FlowView::plateTurned, this, &MainDialog::refreshRegime);
  controls = new ViewActions(*this, view);

  // The languages are named in themselves, so either can be found from the other.
  languages = new QActionGroup(this);
  for (const auto& [language, name] :
       {std::pair{Language::Russian, "&Русский"}, std::pair{Language::English, "&English"}}) {
    QAction* item = languages->addAction(QString::fromUtf8(name));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [chosen = language] { installLanguage(chosen); });
    (language == Language::Russian ? russian : english) = item;
  }

  // Tab runs through the inputs, then the outputs in reading order, then the picture.
  QWidget* previous = nullptr;
  for (const FieldId id : kTabOrder) {
    QWidget* next = &fields.field(id);
    if (previous) setTabOrder(previous, next);
    previous = next;
  }
  setTabOrder(previous, &view);

  setWindowIcon(applicationIcon());
  SessionOptions start;
  start.width = view.width();
  start.height = view.height();
  startSession(start, fields, model, view.animation());
  retranslate();
  for (NumberField* input : {ui->fieldV1, ui->fieldT1, ui->fieldP1, ui->fieldM1})
    input->markApplied();
  shownMach = ui->fieldM1->text();
}

MainDialog::~MainDialog() {
  // Closing a visible window moves the focus; the fields must not call back
  // into a window that is half gone.
  for (NumberField* input : {ui->fieldV1, ui->fieldT1, ui->fieldP1, ui->fieldM1})
    input->disconnect(this);
  view.disconnect(this);
}

QList<QAction*> MainDialog::languageActions() const {
  return languages->actions();
}

void MainDialog::showAbout() {
  view.animation().setTimerEnabled(false);
  AboutDialog box(this);
  box.exec();
  view.animation().setTimerEnabled(true);
}

void MainDialog::showTheory() {
  if (!theory) {
    theory = new TheoryWindow(model, this);
    shareKeys(*theory);
  }
  // It was not kept up to date while hidden.
  theory->refresh();
  if (!theory->isVisible()) {
    theory->adjustSize();
    if (theory->isHidden() && !theory->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
      placeFirst(*theory, QStringLiteral("theory"));
    } else {
      placeBeside(*theory);
    }
  }
  theory->show();
  theory->raise();
  theory->activateWindow();
}

void MainDialog::shareKeys(QWidget& window) {
  // The same actions, so F1 to F4, Space, the zoom and the rest work there as here.
  for (QAction* action : actions())
    if (!action->shortcuts().isEmpty()) window.addAction(action);
}

void MainDialog::rememberPositions(const std::map<QString, QPoint>& positions) {
  remembered = positions;
  const auto main = remembered.find(QStringLiteral("main"));
  if (main == remembered.end()) return;
  const QScreen* on = QGuiApplication::screenAt(main->second);
  if (on && on->availableGeometry().contains(QRect(main->second, frameGeometry().size())))
    move(main->second);
  remembered.erase(main);
}

void MainDialog::placeFirst(QWidget& window, const QString& key) {
  const auto found = remembered.find(key);
  if (found != remembered.end()) {
    const QRect wanted(found->second, window.size());
    const QRect picture(view.mapToGlobal(QPoint(0, 0)), view.size());
    const QScreen* on = QGuiApplication::screenAt(found->second);
    remembered.erase(found);
    if (on && on->availableGeometry().contains(wanted) && !wanted.intersects(picture)) {
      window.move(wanted.topLeft());
      return;
    }
  }
  placeBeside(window);
}

void MainDialog::forgetSettings() {
  remembered.clear();
  installLanguage(Language::System);
  setZoom(100);
  for (QWidget* other : {static_cast<QWidget*>(theory), static_cast<QWidget*>(charts),
                         static_cast<QWidget*>(pictures->legendWindow())})
    if (other && other->isVisible()) placeBeside(*other);
  emit forgetAsked();
}

void MainDialog::placeBeside(QWidget& window) {
  ::placeBeside(*this, view, window);
}

void MainDialog::setZoom(int percent) {
  if (percent == view.zoom()) return;
  view.setZoom(percent);
  if (view.zoom() != percent) return;  // not a zoom level
  windowZoom.apply(*this, &view, percent);
  // The new minimum sizes reach the layouts as posted requests: take them in now, so the
  // window has its new size before anything is placed beside it.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  layout()->activate();
  adjustSize();
  reflow();
  keepOnScreen();
  // The other windows step aside from the grown window, and from each other.
  for (QWidget* other : {static_cast<QWidget*>(theory), static_cast<QWidget*>(charts),
                         static_cast<QWidget*>(pictures->legendWindow())})
    if (other && other->isVisible()) placeBeside(*other);
}

void MainDialog::reflow() {
  const auto arrange = [this](bool beside) {
    ui->mainLayout->setDirection(beside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    ui->columnsLayout->setDirection(beside ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    ui->mainLayout->activate();
    adjustSize();
  };
  arrange(false);
  if (!screen()) return;
  // The frame's own height (title bar) counts: the fields must stay on the screen.
  const int frameHeight = frameGeometry().height() - geometry().height();
  const QRect room = screen()->availableGeometry();
  if (height() + frameHeight <= room.height()) return;
  arrange(true);
  // Beside is no better when it is too wide instead: then the tall one, which keeps the
  // picture whole on the screen's width.
  if (frameGeometry().width() > room.width()) arrange(false);
}

void MainDialog::keepOnScreen() {
  if (!screen() || !isVisible()) return;
  // The window grows from its top-left corner: move it back as far as the screen needs,
  // never past the screen's top-left corner.
  const QRect room = screen()->availableGeometry();
  const QRect frame = frameGeometry();
  const int x = std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width()));
  const int y = std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height()));
  if (QPoint(x, y) != frame.topLeft()) move(x, y);
}

void MainDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void MainDialog::showCharts() {
  if (!charts) {
    charts = new ChartsWindow(model, this);
    connect(charts, &ChartsWindow::angleAsked, &view, &FlowView::turnTo);
    connect(charts, &ChartsWindow::angleStepAsked, this,
            [this](double step) { view.turnTo(theory::degrees(model.angle) + step); });
    shareKeys(*charts);
  }
  // Beside the picture, never over it: the plate and its charts are watched together.
  if (!charts->isVisible()) {
    if (!charts->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
      placeFirst(*charts, QStringLiteral("charts"));
    } else {
      placeBeside(*charts);
    }
  }
  charts->show();
  charts->raise();
  charts->activateWindow();
}

void MainDialog::refreshTheory() {
  if (theory && theory->isVisible()) theory->refresh();
  if (charts) charts->flowChanged();
}

void MainDialog::refreshRegime() {
  const TheoryReport report = makeTheoryReport(model);
  regime->setLine(describeRegime(report));
  const QString sampleAngle = locale().toString(theory::degrees(kSampleAngle), 'f', 2);
  if (model.angle < kSampleAngle)
    regime->setToolTip(
        regime->toolTip() + QStringLiteral("\n\n") +
        tr("The probe reads the flow from α = %1° (0.1 rad) on; below that angle the fields of "
           "the point show \u201c\u2014\u201d.")
            .arg(sampleAngle));
  {
    // Shown, not asked for: the field must not turn the plate back to its rounded value.
    const QSignalBlocker quiet(angle);
    angle->setValue(theory::degrees(model.angle));
  }
  // A screen reader hears the picture as the angle and what the flow is.
  view.setAccessibleDescription(
      tr("Angle of attack α = %1°. %2")
          .arg(QString::fromStdString(fixedText(theory::degrees(report.angle), 2)),
               regime->text()));
  if (QAccessible::isActive()) {
    // The turn as the slider's new value; the regime only when it changed.
    QAccessibleValueChangeEvent turned(&view, std::round(theory::degrees(model.angle) * 100) / 100);
    QAccessible::updateAccessibility(&turned);
    if (regime->text() != announcedRegime) {
      QAccessibleEvent changed(regime, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&changed);
    }
  }
  announcedRegime = regime->text();
}

void MainDialog::changeEvent(QEvent* event) {
  // A new theme comes as a palette change: the symbols' colour follows it.
  if (event->type() == QEvent::LanguageChange || event->type() == QEvent::PaletteChange)
    retranslate();
  QDialog::changeEvent(event);
}

void MainDialog::retranslate() {
  // Numbers typed and copied follow the language: "0,8905" in Russian, "0.8905" in English.
  setLocale(currentLanguage() == Language::Russian
                ? QLocale(QLocale::Russian, QLocale::Russia)
                : QLocale(QLocale::English, QLocale::UnitedKingdom));
  ui->retranslateUi(this);
  about->setText(tr("&About zerkon..."));
  theoryItem->setText(tr("Shock-expansion &theory..."));
  chartsItem->setText(tr("&Charts..."));
  forgetItem->setText(tr("&Forget remembered settings"));
  pictures->retranslate();
  controls->retranslate();
  for (const FieldId id : kAttachOrder) {
    NumberField& field = fields.field(id);
    field.setToolTip(fieldToolTip(id));
    field.setAccessibleName(fieldAccessibleName(id));
  }
  // The symbols beside the fields are drawn as rich text; they are read as the field is, and
  // their blue is made readable on the theme's background.
  const QString blue =
      readableOn(QColor(0x00, 0x00, 0xff), palette().color(QPalette::Window)).name();
  for (QLabel* label : findChildren<QLabel*>()) {
    if (auto* field = qobject_cast<NumberField*>(label->buddy())) {
      label->setAccessibleName(field->accessibleName());
      label->setText(label->text().replace(QStringLiteral("#0000ff"), blue));
    }
  }
  view.setAccessibleName(tr("Flow picture"));
  view.setToolTip(
      tr("Drag with the left mouse button to turn the plate; move the mouse to probe the gas. "
         "The force labels Fx and Fy are in newtons, written “Н”, the Russian letter for N."));
  angleLabel->setText(tr("<i>α</i>"));
  angle->setAccessibleName(tr("α, angle of attack, degrees"));
  angle->setToolTip(tr("α, angle of attack, degrees: typed in or stepped, 0 to 75"));
  refreshRegime();
}

void MainDialog::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  addMenuItems(menu);
  menu.exec(event->globalPos());
}

void MainDialog::applyMach() {
  if (ui->fieldM1->text() == shownMach) return;  // only passed through
  if (!view.isAttached()) return;
  ::applyMach(fields, model);
  ui->fieldV1->markApplied();
  applyFreeStream();
}

void MainDialog::probe(int x, int y) {
  showProbe(fields, model, x, y);
  if (view.keyboardProbing()) {
    // One short sentence for a screen reader, not nine fields.
    view.setAccessibleDescription(
        model.angle < kSampleAngle
            ? tr("Point %1, %2: no values below α = %3°.")
                  .arg(x)
                  .arg(y)
                  .arg(locale().toString(theory::degrees(kSampleAngle), 'f', 2))
            : tr("Point %1, %2: T %3 K, P %4 Pa, M %5, V %6 m/s.")
                  .arg(x)
                  .arg(y)
                  .arg(fields.field(FieldId::T).text(), fields.field(FieldId::P).text(),
                       fields.field(FieldId::M).text(), fields.field(FieldId::V).text()));
  }
  if (model.angle >= kSampleAngle) return;
  // The model's probe gives zeros here by design; zeros beside a flow would read as one.
  static constexpr FieldId kLocal[] = {FieldId::T, FieldId::P,    FieldId::Rho,
                                       FieldId::C, FieldId::M,    FieldId::V0,
                                       FieldId::V, FieldId::Vphi, FieldId::Vr};
  for (const FieldId id : kLocal) fields.field(id).setText(QStringLiteral("\u2014"));
}

void MainDialog::applyFreeStream() {
  if (!view.isAttached()) return;
  recomputeFreeStream(fields, model);
  ui->fieldM1->markApplied();
  shownMach = ui->fieldM1->text();
  // The probed point shows the new free stream, not the old one.
  if (const std::optional<QPoint> at = view.probedPoint()) probe(at->x(), at->y());
  view.animation().retrace();
  // Tracers a missing free stream stopped would otherwise stand in the picture for good.
  view.animation().respawnStalled();
  view.redrawIfPaused();
  refreshTheory();
  refreshRegime();
}

void MainDialog::showFieldMenu(NumberField& field, const QPoint& at) {
  const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  menu->addSeparator();
  addMenuItems(*menu);
  menu->exec(field.mapToGlobal(at));
}

void MainDialog::addMenuItems(QMenu& menu) const {
  menu.addAction(chartsItem);
  menu.addAction(theoryItem);
  menu.addAction(about);
  pictures->addTo(menu);
  controls->addTo(menu);
  menu.addSeparator();
  QMenu* language = menu.addMenu(tr("La&nguage"));
  russian->setChecked(currentLanguage() == Language::Russian);
  english->setChecked(currentLanguage() == Language::English);
  language->addActions(languages->actions());
  menu.addAction(forgetItem);
}
