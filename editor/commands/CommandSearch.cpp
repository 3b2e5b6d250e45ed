#include "editor/commands/CommandSearch.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/commands/CommandMatch.h"
#include "editor/commands/CommandRegistry.h"

namespace tessmoor {

QList<const Command*> SearchCommands(const CommandRegistry& registry, const QString& query) {
  registry.RefreshEnabled();
  std::vector<std::pair<int, const Command*>> found;
  for (const auto& command : registry.Commands()) {
    if (!command->action->isEnabled()) continue;
    // The item's own text counts most, in the language shown, then its German
    // text; the menu path lets "ansicht" list a whole menu.
    std::optional<int> rank;
    for (const QString& text : CommandRegistry::SearchTexts(*command)) {
      if (!rank) rank = MatchRank(query, text);
    }
    if (!rank) {
      if (const auto inPath = MatchRank(query, registry.MenuPathText(*command))) rank = *inPath + 10;
    }
    if (rank) found.emplace_back(*rank, command.get());
  }
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  QList<const Command*> result;
  for (const auto& [rank, command] : found) result << command;
  return result;
}

TFrmCommandSearch::TFrmCommandSearch(CommandRegistry& registry, QWidget* owner)
    : QFrame(owner, Qt::Popup), registry_(registry) {
  setObjectName("FrmCommandSearch");
  setFrameShape(QFrame::StyledPanel);
  EdtFilter = new QLineEdit(this);
  EdtFilter->setObjectName("EdtFilter");
  LstCommands = new QTreeWidget(this);
  LstCommands->setObjectName("LstCommands");
  LstCommands->setColumnCount(2);
  LstCommands->setHeaderHidden(true);
  LstCommands->setRootIsDecorated(false);
  LstCommands->setFocusPolicy(Qt::NoFocus);
  LstCommands->header()->setStretchLastSection(false);
  LstCommands->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  LstCommands->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->addWidget(EdtFilter);
  column->addWidget(LstCommands);
  EdtFilter->installEventFilter(this);
  connect(EdtFilter, &QLineEdit::textChanged, this, &TFrmCommandSearch::Filter);
  connect(LstCommands, &QTreeWidget::itemActivated, this, &TFrmCommandSearch::RunCurrent);
}

void TFrmCommandSearch::Popup(QWidget* over) {
  // Made once and kept: the text follows the language each time it opens.
  EdtFilter->setPlaceholderText(tr("Befehl suchen"));
  const int width = std::max(360, over->width() * 2 / 3);
  resize(width, 300);
  const QPoint top = over->mapToGlobal(QPoint((over->width() - width) / 2, 0));
  move(top);
  EdtFilter->clear();
  Filter();
  show();
  raise();
  activateWindow();
  EdtFilter->setFocus();
}

void TFrmCommandSearch::Filter() {
  LstCommands->clear();
  for (const Command* command : SearchCommands(registry_, EdtFilter->text())) {
    QStringList keys;
    for (const QKeySequence& key : command->action->shortcuts()) keys << key.toString(QKeySequence::NativeText);
    auto* item = new QTreeWidgetItem(LstCommands, {registry_.MenuPathText(*command), keys.join(", ")});
    item->setData(0, Qt::UserRole, command->info.id);
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  }
  LstCommands->setCurrentItem(LstCommands->topLevelItem(0));
}

void TFrmCommandSearch::RunCurrent() {
  const QTreeWidgetItem* item = LstCommands->currentItem();
  QPointer<QAction> action = item ? registry_.Action(item->data(0, Qt::UserRole).toString()) : nullptr;
  hide();
  // After the popup has gone, so a command that opens a window or a dialog
  // gets the focus as it would from the menu.
  if (action)
    QTimer::singleShot(0, action, [action] {
      if (action && action->isEnabled()) action->trigger();
    });
}

void TFrmCommandSearch::hideEvent(QHideEvent* event) {
  QFrame::hideEvent(event);
  // The keys go back to the window the search was opened over.
  if (QWidget* owner = parentWidget()) owner->window()->activateWindow();
}

bool TFrmCommandSearch::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EdtFilter && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        QCoreApplication::sendEvent(LstCommands, event);
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        RunCurrent();
        return true;
      case Qt::Key_Escape:
        hide();
        return true;
      default:
        break;
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace tessmoor
