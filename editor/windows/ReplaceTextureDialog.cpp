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

#include "editor/widgets/TextureLists.h"
#include "editor/widgets/TextureTableModel.h"

namespace tessmoor {

std::optional<uint16_t> ChooseReplacementTexture(QWidget* parent, TextureTableModel& textures, int texture) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("FrmReplaceTexture"));
  dialog.setWindowTitle(QCoreApplication::translate("ReplaceTextureDialog", "Textur ersetzen"));
  auto* list = new QComboBox(&dialog);
  list->setObjectName(QStringLiteral("CboReplacement"));
  MakeTextureList(list, textures);
  FillTextureList(list, textures,
                  {QCoreApplication::translate("ReplaceTextureDialog", "(keine Textur)"), false, texture});
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("ReplaceTextureDialog", "&OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("ReplaceTextureDialog", "&Abbrechen"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  auto* layout = new QFormLayout(&dialog);
  layout->addRow(new QLabel(QCoreApplication::translate("ReplaceTextureDialog", "Alle Verweise auf „%1“ ersetzen.")
                                .arg(textures.index(texture).data().toString()),
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
