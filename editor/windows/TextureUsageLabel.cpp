#include "editor/windows/TextureUsageLabel.h"

#include <QCoreApplication>
#include <QLabel>

#include "editor/widgets/CountText.h"
#include "texts/CoreTexts.h"
#include "textures/TextureUsage.h"

namespace tessmoor {

QString TextureUsageText(const MapDocument& document, int texture) {
  if (texture < 0 || texture >= document.textureCount) return {};
  const TextureUsage usage = CountTextureUsage(document, texture);
  QString text = QCoreApplication::translate("TextureUsageLabel", "In %1 benutzt:")
                     .arg(CountText(usage.cells, QT_TRANSLATE_NOOP("CountTextSingular", "Zelle"),
                                    QT_TRANSLATE_NOOP("CountTextPlural", "Zellen")));
  for (int layer = 0; layer < SurfaceCount; ++layer) {
    text += QStringLiteral("\n%1: %2").arg(QString::fromUtf8(SurfaceName(layer))).arg(usage.layerCells[size_t(layer)]);
  }
  return text;
}

QLabel* MakeUsageLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QStringLiteral("LblUsage"));
  label->setGeometry(164, 112, 150, 100);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace tessmoor
