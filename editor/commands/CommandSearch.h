#pragma once
// Extras > Befehl suchen... (Ctrl+Shift+P): a popup with a filter line over every
// enabled command. The list shows the menu path and the keys; arrows choose,
// Enter runs the chosen command, Escape closes.

#include <QFrame>
#include <QList>

class QAction;
class QLineEdit;
class QTreeWidget;

namespace tessmoor {

class CommandRegistry;
struct Command;

// The enabled commands matching `query`, best first; equal ranks keep the registry's order.
QList<const Command*> SearchCommands(const CommandRegistry& registry, const QString& query);

class TFrmCommandSearch : public QFrame {
  Q_OBJECT

 public:
  TFrmCommandSearch(CommandRegistry& registry, QWidget* owner);

  // Shows the popup at the top of `over`, with an empty filter.
  void Popup(QWidget* over);

 protected:
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Filter();
  void RunCurrent();

  CommandRegistry& registry_;
  QLineEdit* EdtFilter;
  QTreeWidget* LstCommands;
};

}  // namespace tessmoor
