#include "editor/widgets/TextureTableModel.h"

#include <QIcon>
#include <QSize>
#include <algorithm>

#include "editor/widgets/TextureDrag.h"
#include "editor/widgets/TextureNames.h"
#include "editor/widgets/TexturePictureCache.h"

namespace tessmoor {

QSize PictureSize(const HiColorImage& thumbnail) {
  if (thumbnail.madeFromWidth > 0 && thumbnail.madeFromHeight > 0) {
    return {thumbnail.madeFromWidth, thumbnail.madeFromHeight};
  }
  return {thumbnail.width, thumbnail.height};
}

TextureTableModel::TextureTableModel(DocumentModel& model, TexturePictureCache* pictures, QObject* parent)
    : QAbstractListModel(parent),
      model_(model),
      ownCache_(pictures ? nullptr : std::make_unique<TexturePictureCache>(model)),
      pictures_(pictures ? *pictures : *ownCache_),
      showPictures_(pictures != nullptr) {
  model_.AddObserver(this);
  Sync();
}

TextureTableModel::~TextureTableModel() { model_.RemoveObserver(this); }

int TextureTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rowCounts_.size());
}

QVariant TextureTableModel::data(const QModelIndex& index, int role) const {
  const int row = index.row();
  if (!index.isValid() || row < 0 || row >= rowCount()) return {};
  const TextureEntry& entry = model_.Map().textures[static_cast<size_t>(row)];
  const int frames = std::clamp(entry.frameCount, 0, MaxFrames);
  switch (role) {
    case Qt::DisplayRole:
      return ShownTextureName(entry);
    case Qt::DecorationRole:
      return showPictures_ ? QVariant(pictures_.Picture(row)) : QVariant();
    case TextureRole:
      return row;
    case PictureSizeRole:
      return frames > 0 ? PictureSize(entry.frames[0].thumbnail) : QSize();
    case FrameCountRole:
      return frames;
    default:
      return {};
  }
}

Qt::ItemFlags TextureTableModel::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractListModel::flags(index);
  return index.isValid() ? flags | Qt::ItemIsDragEnabled : flags;
}

QStringList TextureTableModel::mimeTypes() const { return {QString::fromLatin1(TextureMimeType)}; }

QMimeData* TextureTableModel::mimeData(const QModelIndexList& indexes) const {
  if (indexes.isEmpty() || !indexes.front().isValid()) return nullptr;
  return MakeTextureDragData(model_, indexes.front().row());
}

void TextureTableModel::Sync() {
  pictures_.Refresh();
  ResizeTo(std::clamp(model_.Map().textureCount, 0, MaxTextures));
  // Rows whose texture changed, told in runs so a view repaints each run once.
  const int rows = rowCount();
  for (int first = 0; first < rows;) {
    if (rowCounts_[static_cast<size_t>(first)] == pictures_.ChangeCount(first)) {
      ++first;
      continue;
    }
    int last = first;
    while (last < rows && rowCounts_[static_cast<size_t>(last)] != pictures_.ChangeCount(last)) {
      rowCounts_[static_cast<size_t>(last)] = pictures_.ChangeCount(last);
      ++last;
    }
    emit dataChanged(index(first), index(last - 1));
    first = last;
  }
}

void TextureTableModel::ResizeTo(int rows) {
  const int now = rowCount();
  if (rows > now) {
    beginInsertRows({}, now, rows - 1);
    rowCounts_.resize(static_cast<size_t>(rows), 0);  // no count is 0, so the new rows count as changed
    endInsertRows();
  } else if (rows < now) {
    beginRemoveRows({}, rows, now - 1);
    rowCounts_.resize(static_cast<size_t>(rows));
    endRemoveRows();
  }
}

void TextureTableModel::DocumentChanged(const DocumentChange&) { Sync(); }

}  // namespace tessmoor
