#include "editor/commands/MenuLayout.h"

#include <QMenu>
#include <QMenuBar>

#include "editor/commands/CommandRegistry.h"
#include "editor/widgets/LanguageChange.h"

namespace tessmoor {

void MenuLayout::AddMenu(const QString& name, const QString& title, const QStringList& items) {
  menus_.push_back({name, title, items});
}

MenuLayout::Menu* MenuLayout::Find(const QString& name) {
  for (Menu& menu : menus_) {
    if (menu.name == name) return &menu;
  }
  return nullptr;
}

void MenuLayout::Insert(const QString& name, const QString& anchor, int offset, const QStringList& items) {
  Menu* menu = Find(name);
  if (!menu) return;
  // A separator is no anchor: there may be many.
  const qsizetype at = anchor.isEmpty() ? -1 : menu->items.indexOf(anchor);
  qsizetype position = at < 0 ? menu->items.size() : at + offset;
  for (const QString& item : items) menu->items.insert(position++, item);
}

void MenuLayout::InsertBefore(const QString& name, const QString& anchor, const QStringList& items) {
  Insert(name, anchor, 0, items);
}

void MenuLayout::InsertAfter(const QString& name, const QString& anchor, const QStringList& items) {
  Insert(name, anchor, 1, items);
}

void MenuLayout::AddSubmenu(const QString& id, QMenu* submenu) { submenus_[id] = submenu; }

std::vector<QMenu*> MenuLayout::Build(QMenuBar& bar, const CommandRegistry& registry) const {
  std::vector<QMenu*> built;
  for (const Menu& layout : menus_) {
    QMenu* menu = bar.addMenu(QString());
    menu->setObjectName(layout.name);
    // The open menu's window carries the title too, so the window system (and
    // whoever reads its names to the user) knows which menu is open.
    const auto entitle = [menu, title = layout.title] {
      menu->setTitle(CommandRegistry::MenuTitle(title));
      menu->setWindowTitle(CommandRegistry::PlainText(menu->title()));
    };
    entitle();
    OnLanguageChange(menu, entitle);
    for (const QString& item : layout.items) {
      if (item.isEmpty()) {
        menu->addSeparator();
      } else if (const auto submenu = submenus_.find(item); submenu != submenus_.end()) {
        menu->addMenu(submenu->second)->setObjectName(item);
      } else if (QAction* action = registry.Action(item)) {
        menu->addAction(action);
      }
    }
    built.push_back(menu);
  }
  return built;
}

}  // namespace tessmoor
