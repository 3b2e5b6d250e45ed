#include "editor/commands/ShortcutsDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "editor/widgets/PlainButton.h"
#include "editor/commands/CommandMatch.h"
#include "editor/commands/CommandRegistry.h"

namespace tessmoor {

namespace {

QString KeysText(const QList<QKeySequence>& keys) {
  QStringList texts;
  for (const QKeySequence& key : keys) texts << key.toString(QKeySequence::NativeText);
  return texts.join(", ");
}

}  // namespace

KeyCaptureField::KeyCaptureField(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  Retranslate();
}

void KeyCaptureField::Retranslate() { setPlaceholderText(tr("Taste drücken")); }

void KeyCaptureField::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QLineEdit::changeEvent(event);
}

void KeyCaptureField::Clear() {
  key_ = QKeySequence();
  clear();
}

void KeyCaptureField::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const bool modifierOnly =
      key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt || key == Qt::Key_Meta || key == 0;
  const bool navigation = modifiers == Qt::NoModifier && (key == Qt::Key_Tab || key == Qt::Key_Escape ||
                                                          key == Qt::Key_Return || key == Qt::Key_Enter);
  if (modifierOnly || navigation || key == Qt::Key_Backtab || key == Qt::Key_unknown) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  key_ = QKeySequence(QKeyCombination(modifiers, Qt::Key(key)));
  setText(key_.toString(QKeySequence::NativeText));
  event->accept();
  emit keyChosen();
}

TFrmShortcuts::TFrmShortcuts(CommandRegistry& registry, DialogLayer& dialogs, QWidget* owner)
    : QDialog(owner), registry_(registry), dialogs_(dialogs) {
  setObjectName("FrmShortcuts");
  EdtFilter = new QLineEdit(this);
  EdtFilter->setObjectName("EdtFilter");
  LstCommands = new QTreeWidget(this);
  LstCommands->setObjectName("LstCommands");
  LstCommands->setRootIsDecorated(false);
  LstCommands->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  LstCommands->header()->setStretchLastSection(false);
  LstCommands->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  EdtKey = new KeyCaptureField(this);
  EdtKey->setObjectName("EdtKey");
  auto* keyLabel = LblKey = new QLabel(this);
  keyLabel->setBuddy(EdtKey);
  BtnAssign = MakePlainButton("BtnAssign", QString(), this);
  BtnClear = MakePlainButton("BtnClear", QString(), this);
  BtnReset = MakePlainButton("BtnReset", QString(), this);
  BtnClose = MakePlainButton("BtnClose", QString(), this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(EdtFilter, 0, 0, 1, 4);
  grid->addWidget(LstCommands, 1, 0, 1, 4);
  grid->addWidget(keyLabel, 2, 0);
  grid->addWidget(EdtKey, 2, 1, 1, 2);
  grid->addWidget(BtnAssign, 2, 3);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(BtnClear, QDialogButtonBox::ActionRole);
  buttons->addButton(BtnReset, QDialogButtonBox::ResetRole);
  buttons->addButton(BtnClose, QDialogButtonBox::RejectRole);
  grid->addWidget(buttons, 3, 0, 1, 4);
  setTabOrder(EdtFilter, EdtKey);
  setTabOrder(EdtKey, BtnAssign);
  resize(520, 420);

  connect(EdtFilter, &QLineEdit::textChanged, this, &TFrmShortcuts::Fill);
  connect(LstCommands, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { ShowKeys(item); });
  connect(EdtKey, &KeyCaptureField::keyChosen, this, &TFrmShortcuts::AssignClick);
  connect(BtnAssign, &QPushButton::clicked, this, &TFrmShortcuts::AssignClick);
  connect(BtnClear, &QPushButton::clicked, this, &TFrmShortcuts::ClearClick);
  connect(BtnReset, &QPushButton::clicked, this, &TFrmShortcuts::ResetClick);
  connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
  Retranslate();
}

void TFrmShortcuts::Retranslate() {
  setWindowTitle(tr("Tastenkürzel"));
  EdtFilter->setPlaceholderText(tr("Befehl suchen"));
  LstCommands->setHeaderLabels({tr("Befehl"), tr("Tastenkürzel")});
  LblKey->setText(tr("&Neues Tastenkürzel:"));
  BtnAssign->setText(tr("&Zuweisen"));
  BtnClear->setText(tr("&Entfernen"));
  BtnReset->setText(tr("&Standard"));
  BtnClose->setText(tr("Schließen"));
  // The list shows the commands' menu paths in the language now spoken.
  const QString current = CurrentId();
  Fill();
  for (int row = 0; row < LstCommands->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = LstCommands->topLevelItem(row);
    if (item->data(0, Qt::UserRole).toString() == current) LstCommands->setCurrentItem(item);
  }
}

void TFrmShortcuts::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void TFrmShortcuts::Fill() {
  const QString query = EdtFilter->text();
  LstCommands->clear();
  QTreeWidgetItem* best = nullptr;
  int bestRank = 0;
  for (const auto& command : registry_.Commands()) {
    const QString path = registry_.MenuPathText(*command);
    std::optional<int> rank;
    for (const QString& text : CommandRegistry::SearchTexts(*command)) {
      if (!rank) rank = MatchRank(query, text);
    }
    if (!rank) rank = MatchRank(query, path);
    if (!rank) continue;
    auto* item = new QTreeWidgetItem(LstCommands, {path, KeysText(registry_.Keys(command->info.id))});
    item->setData(0, Qt::UserRole, command->info.id);
    if (!best || *rank < bestRank) {
      best = item;
      bestRank = *rank;
    }
  }
  LstCommands->setCurrentItem(best);
}

void TFrmShortcuts::ShowKeys(QTreeWidgetItem* item) {
  EdtKey->Clear();
  const bool chosen = item != nullptr;
  for (QWidget* control : {static_cast<QWidget*>(EdtKey), static_cast<QWidget*>(BtnAssign),
                           static_cast<QWidget*>(BtnClear), static_cast<QWidget*>(BtnReset)})
    control->setEnabled(chosen);
}

QString TFrmShortcuts::CurrentId() const {
  const QTreeWidgetItem* item = LstCommands->currentItem();
  return item ? item->data(0, Qt::UserRole).toString() : QString();
}

void TFrmShortcuts::AssignClick() {
  const QString id = CurrentId();
  const QKeySequence key = EdtKey->Key();
  if (id.isEmpty() || key.isEmpty()) return;
  if (const Command* owner = registry_.Conflict(id, {key})) {
    const QString message = tr("Das Tastenkürzel %1 gehört schon zu „%2“.")
                                .arg(key.toString(QKeySequence::NativeText), registry_.MenuPathText(*owner));
    dialogs_.ShowError(message.toStdString());
    EdtKey->Clear();
    return;
  }
  registry_.SetKeys(id, {key});
  LstCommands->currentItem()->setText(1, KeysText(registry_.Keys(id)));
}

void TFrmShortcuts::ClearClick() {
  const QString id = CurrentId();
  if (id.isEmpty()) return;
  registry_.SetKeys(id, {});
  LstCommands->currentItem()->setText(1, QString());
}

void TFrmShortcuts::ResetClick() {
  const QString id = CurrentId();
  if (id.isEmpty()) return;
  registry_.ResetKeys(id);
  LstCommands->currentItem()->setText(1, KeysText(registry_.Keys(id)));
}

}  // namespace tessmoor
