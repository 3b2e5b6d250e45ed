#pragma once
// "Textur-Editor": the modal window in which the map's texture table is edited.
// Every change is an undoable step of the document model; the window only shows
// the table and turns clicks into those steps.

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "app/DialogLayer.h"
#include "document/MapDocument.h"
#include "edit/DocumentModel.h"

class QButtonGroup;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QListWidget;
class QModelIndex;
class QPainter;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeView;

namespace tessmoor {

class TextureEditorList;
class TextureNameDelegate;
class TextureTableModel;

class TFrmTextureEditor : public QDialog {
  Q_OBJECT

 public:
  // `closePropertiesWindow` is called each time the window opens: the properties
  // window may show texture references that the editor is about to renumber.
  // The list shows `textures`; without it a model of the window's own.
  TFrmTextureEditor(DocumentModel& model, EditorState& editor, DialogLayer& dialogs,
                    std::function<void()> closePropertiesWindow, QWidget* parent = nullptr,
                    TextureTableModel* textures = nullptr);
  ~TFrmTextureEditor() override;

  // Makes `texture` the current one, its frames in the pane. Called before the
  // window opens, the opening shows it in place of the first by name. A number
  // not in the table leaves the choice to the opening.
  void SelectTexture(int texture);

  // The handlers, one per user action.
  void FormShow();
  void LVTexturesClick();
  void LVTexturesKeyUp(QKeyEvent* event);
  void LVTexturesEdited(int texture, const QString& name);
  void BtnAddClick();
  void BtnDeleteClick();
  void LstFilesClick();
  void SpdMoveUpClick();
  void SpdAddFileClick();
  void SpdRemoveFileClick();
  void SpdMoveDownClick();
  void PntTexturePaint(QPainter& painter);
  void RdoAnimationTypeClick(int position);
  void BtnCloseClick();
  // Texture housekeeping (TextureEditorHousekeeping.cpp).
  void BtnReplaceClick();
  void BtnDeleteUnusedClick();

  // What asks for the replacement; the real dialog unless a test sets another.
  using ReplacementChooser = std::function<std::optional<uint16_t>(int texture)>;
  void SetReplacementChooser(ReplacementChooser chooser) { chooseReplacement_ = std::move(chooser); }

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Retranslate();
  void CreateTextureControls();
  void CreateFramePane();
  void CreateAnimationGroup();
  void ConnectHandlers();

  // The texture of the list's current item, or -1.
  int SelectedTexture() const;
  // The current line of the file list, or -1.
  int SelectedFile() const;
  void SelectListRow(const QModelIndex& row);
  void RefreshFramePane();
  void ShowAnimationType(AnimationType type);
  void RepaintPreview();
  void AppendFileLine(const TextureFrame& frame);
  void CreateHousekeepingButtons();
  void SelectListPosition(int position);

  const MapDocument& Doc() const { return model_.Map(); }

  DocumentModel& model_;
  EditorState& editor_;
  DialogLayer& dialogs_;
  std::function<void()> closePropertiesWindow_;
  // The texture whose frames the pane lists; -1 when the pane is disabled.
  int paneTexture_ = -1;
  // The texture the next opening shows first; -1 for the first by name.
  int openingTexture_ = -1;
  std::unique_ptr<TextureTableModel> ownTextures_;
  TextureTableModel& textures_;
  TextureEditorList* list_;
  ReplacementChooser chooseReplacement_;

  QLabel* LblTextures;
  QTreeView* LVTextures;
  TextureNameDelegate* nameDelegate_;
  QPushButton* BtnAdd;
  QPushButton* BtnDelete;
  QGroupBox* GrpTexture;
  QLabel* LblFiles;
  QListWidget* LstFiles;
  QToolButton* SpdMoveUp;
  QToolButton* SpdAddFile;
  QToolButton* SpdRemoveFile;
  QToolButton* SpdMoveDown;
  QWidget* PntTexture;
  QLabel* LblSubTexture;
  QLabel* LblUsage;
  QGroupBox* RdoAnimationType;
  QRadioButton* RdoRepeat;
  QRadioButton* RdoPingPong;
  QButtonGroup* animationButtons_;
  QPushButton* BtnReplace;
  QPushButton* BtnDeleteUnused;
  QPushButton* BtnClose;
};

}  // namespace tessmoor
