#pragma once
// The small widgets and helpers of the texture editor window: the name order,
// the Windows-1252 name editor, the preview box and the frame tool buttons.

#include <QCollator>
#include <QIcon>
#include <QImage>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QValidator>
#include <QWidget>
#include <functional>

#include "document/MapDocument.h"

class QLineEdit;
class QPainter;
class QPushButton;
class QToolButton;

namespace tessmoor {

constexpr int PreviewSize = 64;

// Names as the user sees them (stored as Windows-1252 bytes).
QString ShownName(const TextureFrame& frame);

// Texture names compare as a German user expects ("apfel", "Äpfel", "Bogen"),
// whatever locale the program happens to run under.
const QCollator& NameCollator();

// Refuses any character that a map file cannot store, so the list never shows
// a name that would come back different after saving.
class Windows1252Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override;
};

// The in-place editor of a texture name: Windows-1252 only, 255 characters (which
// are 255 bytes, one per character). It can be cancelled from outside.
class TextureNameDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // Ends an edit in progress without storing what was typed.
  void CancelEditing();

 private:
  mutable QPointer<QLineEdit> editor_;
};

class TexturePreview : public QWidget {
 public:
  TexturePreview(std::function<void(QPainter&)> paint, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::function<void(QPainter&)> paint_;
};

enum class ToolShape { ArrowUp, ArrowDown, Plus, Minus };

QToolButton* MakeToolButton(const char* name, const QString& hint, ToolShape shape, QWidget* parent,
                            const QRect& geometry);
QPushButton* MakeButton(const char* name, const QString& text, QWidget* parent, const QRect& geometry);

}  // namespace tessmoor
