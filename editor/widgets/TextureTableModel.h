#pragma once
// The current map's texture table as a list model: one row per texture in
// table order, its name as display text, its first frame as decoration. Every
// texture list of the editor is made from it, so a name or a picture is made in
// one place. It follows the table through the document's change notices,
// telling its views of exactly the rows that changed.

#include <QAbstractListModel>
#include <memory>
#include <vector>

#include "edit/DocumentModel.h"

namespace tessmoor {

class TexturePictureCache;

// The size of the picture a frame's thumbnail was made from.
QSize PictureSize(const HiColorImage& thumbnail);

class TextureTableModel : public QAbstractListModel, public DocumentObserver {
 public:
  enum Role {
    TextureRole = Qt::UserRole + 100,  // the table position, as a cell stores it
    PictureSizeRole,                   // the first frame's picture (QSize); empty without one
    FrameCountRole,
  };

  // Without `pictures` the rows carry no decoration.
  TextureTableModel(DocumentModel& model, TexturePictureCache* pictures, QObject* parent = nullptr);
  ~TextureTableModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool HasPictures() const { return showPictures_; }

  // A row dragged away carries its texture, for a drop onto this map's plan or 3D view.
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

  // Brings the rows up to the table; nothing to do when no table notice came
  // since the last call. Readers call it first, so it does not matter whether
  // they or the model hear of a change first.
  void Sync();

  void DocumentChanged(const DocumentChange& change) override;

 private:
  void ResizeTo(int rows);

  DocumentModel& model_;
  std::unique_ptr<TexturePictureCache> ownCache_;  // tells what changed when no cache is shared
  TexturePictureCache& pictures_;
  bool showPictures_;
  std::vector<uint64_t> rowCounts_;  // per row: the texture's change count when last shown
};

}  // namespace tessmoor
