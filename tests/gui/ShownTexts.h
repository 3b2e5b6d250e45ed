#pragma once
// What a person can read in a window, each text with the place it shows in, so
// that two runs compare place by place; and the Alt letters that clash.

#include <QString>
#include <QStringList>
#include <vector>

class QMenu;
class QWidget;

namespace tessmoor {

struct ShownText {
  QString place;  // object names from the window down, and what of it: "FrmShortcuts/BtnAssign:text"
  QString text;
  bool operator==(const ShownText&) const = default;
};

// Captions, labels, buttons, group titles, tabs, list headers, combo entries,
// placeholders and tool tips of every control shown in `window`, and every item
// of its menus as they show when opened.
std::vector<ShownText> ShownTexts(QWidget& window);

// Pairs of texts in one menu (or among a window's shown buttons, buddy labels
// and checkable groups) whose Alt letter is the same.
QStringList MenuMnemonicClashes(const QMenu& menu);
QStringList MenuMnemonicClashes(const QStringList& itemTexts);
QStringList WindowMnemonicClashes(const QWidget& window);

}  // namespace tessmoor
