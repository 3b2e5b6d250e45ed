#include "editor/widgets/TextureDrag.h"

#include <QDataStream>
#include <QIODevice>

#include "document/Stamp.h"
#include "edit/CellFieldEdit.h"

namespace tessmoor {

namespace {

// Where the texture came from and what it was when the drag began.
struct DragOrigin {
  quint64 process = 0;
  quint64 model = 0;
  quint64 map = 0;
  qint32 texture = -1;
  StampTexture described;
};

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), qsizetype(text.size())); }

QByteArray Encode(const DragOrigin& origin) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out << origin.process << origin.model << origin.map << origin.texture << Bytes(origin.described.name)
      << qint32(origin.described.animationType) << quint32(origin.described.frames.size());
  for (const std::string& frame : origin.described.frames) out << Bytes(frame);
  return bytes;
}

std::optional<DragOrigin> Decode(const QByteArray& bytes) {
  QDataStream in(bytes);
  DragOrigin origin;
  QByteArray name;
  qint32 animation = 0;
  quint32 frames = 0;
  in >> origin.process >> origin.model >> origin.map >> origin.texture >> name >> animation >> frames;
  // Data of another program under our type may claim any number of frames.
  if (in.status() != QDataStream::Ok || frames > quint32(MaxFrames)) return std::nullopt;
  origin.described.name = name.toStdString();
  origin.described.animationType = static_cast<AnimationType>(animation);
  for (quint32 i = 0; i < frames; ++i) {
    QByteArray frame;
    in >> frame;
    origin.described.frames.push_back(frame.toStdString());
  }
  if (in.status() != QDataStream::Ok) return std::nullopt;
  return origin;
}

DragOrigin OriginOf(const DocumentModel& model, int texture) {
  const MapDocument& map = model.Map();
  return {ProcessClipboardOwner(), quint64(quintptr(&model)), map.mapId, texture,
          DescribeTexture(map.textures[size_t(texture)])};
}

bool InTable(const DocumentModel& model, int texture) { return texture >= 0 && texture < model.Map().textureCount; }

}  // namespace

QMimeData* MakeTextureDragData(const DocumentModel& model, int texture) {
  if (!InTable(model, texture)) return nullptr;
  auto* data = new QMimeData;
  data->setData(TextureMimeType, Encode(OriginOf(model, texture)));
  return data;
}

std::optional<int> DroppedTexture(const QMimeData* data, const DocumentModel& model) {
  if (!data || !data->hasFormat(TextureMimeType)) return std::nullopt;
  const std::optional<DragOrigin> origin = Decode(data->data(TextureMimeType));
  if (!origin || !InTable(model, origin->texture)) return std::nullopt;
  const DragOrigin now = OriginOf(model, origin->texture);
  const bool same = origin->process == now.process && origin->model == now.model && origin->map == now.map &&
                    origin->described == now.described;
  if (!same) return std::nullopt;
  return origin->texture;
}

bool DropTexture(EditorSession& session, const QMimeData* data, GridPoint cell, SurfaceKind surface) {
  const std::optional<int> texture = DroppedTexture(data, session.Model());
  const bool onGrid = cell.x >= 0 && cell.x < GridSize && cell.y >= 0 && cell.y < GridSize;
  if (!texture || !onGrid) return false;
  if (session.Map().Cell(cell.x, cell.y).texture[surface] == *texture) return true;
  return session.Editing().SetTexture({cell.x, cell.y, cell.x, cell.y}, surface, *texture).Ok();
}

void TakeAsCopy(QDropEvent& event, bool take) {
  if (!take || !(event.possibleActions() & Qt::CopyAction)) return event.ignore();
  event.setDropAction(Qt::CopyAction);
  event.accept();
}

}  // namespace tessmoor
