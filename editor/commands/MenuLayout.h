#pragma once
// The main window's menus as data: each menu an ordered list of command ids,
// with separators and submenus among them. Features put their items in with an
// anchor, before or after an item that is already there, so none reaches into
// another's menu; the window builds its menu bar from the layout once every
// feature has had its say.

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

class QMenu;
class QMenuBar;

namespace tessmoor {

class CommandRegistry;

class MenuLayout {
 public:
  static inline const QString Separator{};

  struct Menu {
    QString name;   // the QMenu's object name, "MnuEdit"
    QString title;  // German, with its mnemonic, "&Bearbeiten"; shown translated (context "Menüs")
    QStringList items;
  };

  void AddMenu(const QString& name, const QString& title, const QStringList& items);
  // Puts `items` into menu `name` right before (after) the item `anchor`; at
  // the end when the menu lacks it. An unknown menu gets nothing.
  void InsertBefore(const QString& name, const QString& anchor, const QStringList& items);
  void InsertAfter(const QString& name, const QString& anchor, const QStringList& items);
  // A submenu that shows as the item `id`; it belongs to whoever made it.
  void AddSubmenu(const QString& id, QMenu* submenu);

  const std::vector<Menu>& Menus() const { return menus_; }

  // Fills `bar` with the menus, their items taken from `registry` (an id the
  // registry lacks is left out) and the submenus. Returns the menus made, in order.
  std::vector<QMenu*> Build(QMenuBar& bar, const CommandRegistry& registry) const;

 private:
  Menu* Find(const QString& name);
  void Insert(const QString& name, const QString& anchor, int offset, const QStringList& items);

  std::vector<Menu> menus_;
  std::map<QString, QMenu*> submenus_;
};

}  // namespace tessmoor
