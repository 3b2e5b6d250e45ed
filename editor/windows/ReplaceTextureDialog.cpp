#include "editor/windows/ReplaceTextureDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "document/Windows1252.h"
#include "editor/widgets/TextureLists.h"

namespace tessmoor {

namespace {

QString NameOf(const TextureEntry& entry) {
  const std::string bytes(reinterpret_cast<const char*>(entry.name) + 1, entry.name[0]);
  return QString::fromUtf8(Windows1252ToUtf8(bytes));
}

}  // namespace

std::optional<uint16_t> ChooseReplacementTexture(QWidget* parent, const MapDocument& document, int texture,
                                                 TexturePictureCache* pictures) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("FrmReplaceTexture"));
  dialog.setWindowTitle(QCoreApplication::translate("ReplaceTextureDialog", "Textur ersetzen"));
  auto* list = new QComboBox(&dialog);
  list->setObjectName(QStringLiteral("CboReplacement"));
  MakeTextureList(list, pictures);
  list->addItem(QCoreApplication::translate("ReplaceTextureDialog", "(keine Textur)"),
                QVariant(static_cast<uint>(NoTexture)));
  const int count = std::clamp(document.textureCount, 0, MaxTextures);
  for (int index = 0; index < count; ++index) {
    if (index == texture) continue;
    const QString name = NameOf(document.textures[static_cast<size_t>(index)]);
    AddTextureItem(list, name, name, index, pictures);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("ReplaceTextureDialog", "&OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("ReplaceTextureDialog", "&Abbrechen"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  auto* layout = new QFormLayout(&dialog);
  layout->addRow(new QLabel(QCoreApplication::translate("ReplaceTextureDialog", "Alle Verweise auf „%1“ ersetzen.")
                                .arg(NameOf(document.textures[static_cast<size_t>(texture)])),
                            &dialog));
  auto* label = new QLabel(QCoreApplication::translate("ReplaceTextureDialog", "&Ersetzen durch:"), &dialog);
  label->setBuddy(list);
  layout->addRow(label, list);
  layout->addRow(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return static_cast<uint16_t>(list->currentData().toUInt());
}

}  // namespace tessmoor
