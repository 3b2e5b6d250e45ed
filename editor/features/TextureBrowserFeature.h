#pragma once
// The texture browser: the dockable panel "Texturen" (Ansicht > Texturen) shows
// the map's texture table as pictures with their size, frames and usage, found
// by words of the name, size, animation and use. The textures set on cells
// last and the user's favourites stand at the top. A double click or Enter sets
// a texture on the current layer of the selected cells; an entry dragged onto
// the plan or the 3D view sets it where it is dropped.

#include <QObject>
#include <functional>
#include <vector>

#include "edit/DocumentChange.h"
#include "editor/commands/FeatureContext.h"
#include "textures/TextureUsage.h"

class QCheckBox;
class QComboBox;
class QDockWidget;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QTimer;

namespace tessmoor {

class TextureEntryDelegate;
class TextureFilterModel;
class TexturePictureCache;

class TextureBrowserFeature : public QObject, private DocumentObserver {
  Q_OBJECT

 public:
  // What the browser hands on to other windows of the main window.
  struct Links {
    std::function<void(int texture)> showCells;     // list the cells using it in the find results
    std::function<void(int texture)> openInEditor;  // the texture editor at this texture
  };

  TextureBrowserFeature(const FeatureContext& context, TexturePictureCache& pictures, Links links);
  ~TextureBrowserFeature() override;

  QDockWidget* Dock() const { return DockTextures; }
  // Brings back the panel and its order as they were left, and from then on remembers them.
  void RestoreSettings();

 private:
  // The usage of every texture as the panel shows it, counted when first asked after a change.
  const std::vector<TextureUsage>& Usage();
  void Retranslate();
  void BuildPanel();
  QListView* MakeList(QWidget* panel, const char* name, TextureFilterModel* rows, TextureEntryDelegate* delegate);
  void Connect(QListView* list);
  void DocumentChanged(const DocumentChange& change) override;
  void CountUsage();
  void FillSizes();
  void ApplyFilter();
  void UpdateGroups();
  void ApplyTexture(const QModelIndex& index);
  void ShowContextMenu(QListView* list, const QPoint& position);
  void Rename(int texture);
  void ReplaceEverywhere(int texture);
  void ToggleFavourite(int texture);
  bool IsFavourite(int texture) const;
  void PointAt(int texture);
  int ShownFrame(int texture) const;
  void RememberSettings();
  bool eventFilter(QObject* watched, QEvent* event) override;

  FeatureContext context;
  TexturePictureCache& pictures;
  Links links;
  std::vector<TextureUsage> usage;
  bool usageStale = true;
  bool remember = false;
  int animated = -1;  // the texture under the pointer, whose frames run
  long long tick = 0;
  QTimer* animation;

  TextureFilterModel* allRows;
  TextureFilterModel* recentRows;
  TextureFilterModel* favouriteRows;

  QDockWidget* DockTextures = nullptr;
  QLineEdit* EdtTextureFilter;
  QComboBox* CboTextureSize;
  QCheckBox* ChkAnimatedOnly;
  QCheckBox* ChkUnusedOnly;
  QComboBox* CboTextureOrder;
  QLabel* LblRecentTextures;
  QListView* LVRecentTextures;
  QLabel* LblFavouriteTextures;
  QListView* LVFavouriteTextures;
  QLabel* LblAllTextures;
  QListView* LVTextures;
};

}  // namespace tessmoor
