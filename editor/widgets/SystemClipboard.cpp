#include "editor/widgets/SystemClipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <vector>

#include "document/ClipboardPayload.h"
#include "edit/ClipboardTransfer.h"

namespace tessmoor {

namespace {

QByteArray SystemBlockBytes() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasFormat(ClipboardMimeType) ? data->data(ClipboardMimeType) : QByteArray();
}

const uint8_t* Bytes(const QByteArray& bytes) { return reinterpret_cast<const uint8_t*>(bytes.constData()); }

}  // namespace

void PublishBlock(const CellClipboard& clipboard) {
  const std::vector<uint8_t> bytes = PublishedBlock(clipboard);
  if (bytes.empty()) return;
  auto* data = new QMimeData;
  data->setData(ClipboardMimeType,
                QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
  QGuiApplication::clipboard()->setMimeData(data);
}

bool SystemHoldsForeignBlock(const CellClipboard& clipboard) {
  const QByteArray bytes = SystemBlockBytes();
  return IsForeignBlock(clipboard, Bytes(bytes), static_cast<size_t>(bytes.size()));
}

bool TakeBlockFromSystem(CellClipboard& clipboard) {
  const QByteArray bytes = SystemBlockBytes();
  return TakePublishedBlock(clipboard, Bytes(bytes), static_cast<size_t>(bytes.size()));
}

}  // namespace tessmoor
