#include "gui/ShownTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <map>

namespace tessmoor {

namespace {

QString Place(const QObject& object, const QWidget& window) {
  QStringList names;
  for (const QObject* at = &object; at && at != &window; at = at->parent())
    names.prepend(at->objectName().isEmpty() ? QString(at->metaObject()->className()) : at->objectName());
  names.prepend(window.objectName());
  return names.join('/');
}

void AddMenu(std::vector<ShownText>& texts, const QMenu& menu, const QString& place) {
  texts.push_back({place + ":title", menu.title()});
  for (const QAction* action : menu.actions()) {
    if (action->isSeparator() || !action->isVisible()) continue;
    const QString name = place + "/" + (action->objectName().isEmpty() ? action->text() : action->objectName());
    if (action->menu()) {
      AddMenu(texts, *action->menu(), name);
    } else {
      texts.push_back({name + ":text", action->text()});
    }
  }
}

void AddHeader(std::vector<ShownText>& texts, const QAbstractItemView& view, const QString& place) {
  const auto* tree = qobject_cast<const QTreeView*>(&view);
  const auto* table = qobject_cast<const QTableView*>(&view);
  const QHeaderView* header = tree ? tree->header() : table ? table->horizontalHeader() : nullptr;
  if (!header || header->isHidden() || !view.model()) return;
  for (int column = 0; column < view.model()->columnCount(); ++column)
    texts.push_back({place + ":header" + QString::number(column),
                     view.model()->headerData(column, Qt::Horizontal).toString()});
}

void AddControl(std::vector<ShownText>& texts, const QWidget& widget, const QString& place) {
  const auto add = [&](const char* what, const QString& text) {
    if (!text.isEmpty()) texts.push_back({place + ":" + what, text});
  };
  if (widget.isWindow() || qobject_cast<const QDockWidget*>(&widget)) add("title", widget.windowTitle());
  add("tooltip", widget.toolTip());
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) add("text", label->text());
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) add("text", button->text());
  if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) add("title", group->title());
  if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) add("placeholder", edit->placeholderText());
  if (const auto* tabBar = qobject_cast<const QTabBar*>(&widget)) {
    for (int tab = 0; tab < tabBar->count(); ++tab) add(qPrintable("tab" + QString::number(tab)), tabBar->tabText(tab));
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    for (int item = 0; item < combo->count(); ++item) add(qPrintable("item" + QString::number(item)), combo->itemText(item));
  }
  if (const auto* view = qobject_cast<const QAbstractItemView*>(&widget)) AddHeader(texts, *view, place);
}

// The first letter after a single '&', lowered; none for a text without one.
QChar Mnemonic(const QString& text) {
  for (qsizetype at = text.indexOf('&'); at >= 0 && at + 1 < text.size(); at = text.indexOf('&', at + 2)) {
    if (text[at + 1] != '&') return text[at + 1].toLower();
  }
  return {};
}

QStringList Clashes(const QStringList& texts) {
  std::map<QChar, QString> owners;
  QStringList clashes;
  for (const QString& text : texts) {
    const QChar letter = Mnemonic(text);
    if (letter.isNull()) continue;
    const auto [owner, fresh] = owners.emplace(letter, text);
    if (!fresh) clashes << owner->second + " / " + text;
  }
  return clashes;
}

}  // namespace

std::vector<ShownText> ShownTexts(QWidget& window) {
  std::vector<ShownText> texts;
  AddControl(texts, window, window.objectName());
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    // A window of its own (a floating tool window) is read as such.
    if (!widget->isVisibleTo(&window) || widget->window() != &window) continue;
    if (qobject_cast<const QMenu*>(widget)) continue;
    AddControl(texts, *widget, Place(*widget, window));
  }
  for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
    if (!bar->isVisibleTo(&window)) continue;
    for (const QAction* action : bar->actions()) {
      if (action->menu() && action->isVisible()) AddMenu(texts, *action->menu(), Place(*bar, window) + "/" + action->menu()->objectName());
    }
  }
  return texts;
}

QStringList MenuMnemonicClashes(const QMenu& menu) {
  QStringList texts;
  QStringList clashes;
  for (const QAction* action : menu.actions()) {
    if (action->isSeparator() || !action->isVisible()) continue;
    texts << action->text();
    if (action->menu()) clashes << MenuMnemonicClashes(*action->menu());
  }
  return clashes << Clashes(texts);
}

QStringList MenuMnemonicClashes(const QStringList& itemTexts) { return Clashes(itemTexts); }

QStringList WindowMnemonicClashes(const QWidget& window) {
  QStringList texts;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (button->isVisibleTo(&window) && button->window() == &window) texts << button->text();
  for (const QLabel* label : window.findChildren<QLabel*>())
    if (label->buddy() && label->isVisibleTo(&window) && label->window() == &window) texts << label->text();
  for (const QGroupBox* group : window.findChildren<QGroupBox*>())
    if (group->isCheckable() && group->isVisibleTo(&window) && group->window() == &window) texts << group->title();
  return Clashes(texts);
}

}  // namespace tessmoor
