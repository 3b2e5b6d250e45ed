#include "editor/features/SlotTemplatesKeeper.h"

#include <QByteArray>
#include <QSettings>

#include "edit/SlotTemplates.h"
#include "editor/widgets/ProgramSettings.h"
#include "io/ByteSource.h"

namespace tessmoor {

namespace {

QString SlotKey(int slot) { return QString("Vorlagen/Vorlage%1").arg(slot + 1); }

}  // namespace

SlotTemplatesKeeper::SlotTemplatesKeeper(DocumentModel& model) : model_(model) {
  model_.AddObserver(this);
  Restore();
}

SlotTemplatesKeeper::~SlotTemplatesKeeper() { model_.RemoveObserver(this); }

void SlotTemplatesKeeper::DocumentChanged(const DocumentChange& change) {
  if (restoring_) return;
  if (change.Has(DocumentChangeFlag::DocumentReplaced)) {
    Restore();
  } else if (change.Has(DocumentChangeFlag::PaletteChanged)) {
    Remember();
  }
}

void SlotTemplatesKeeper::Restore() {
  const QSettings settings = ProgramSettings();
  restoring_ = true;
  for (int slot = 0; slot < PaletteSlotCount; ++slot) {
    const QByteArray bytes = settings.value(SlotKey(slot)).toByteArray();
    if (bytes.isEmpty()) continue;
    MemorySource source(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
    Stamp stamp;
    // A damaged entry leaves its slot as a fresh start has it.
    if (ReadStamp(stamp, source).ok) RestoreSlot(model_, slot, stamp);
  }
  restoring_ = false;
}

void SlotTemplatesKeeper::Remember() {
  QSettings settings = ProgramSettings();
  for (int slot = 0; slot < PaletteSlotCount; ++slot) {
    if (!model_.Map().paletteSlots[static_cast<size_t>(slot)].filled) continue;
    const std::vector<uint8_t> bytes = StampFileBytes(SlotStamp(model_.Map(), slot));
    settings.setValue(SlotKey(slot),
                      QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
  }
}

}  // namespace tessmoor
