// The program's file dialogs are Qt's own; with the program's German set-up
// their file list reads German throughout, whatever language the system has.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <algorithm>

#include "editor/windows/EditorNewForm.h"
#include "editor/widgets/GermanQtTexts.h"
#include "editor/windows/QtDialogLayer.h"

namespace tessmoor {

namespace {

class GermanFileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    before = qApp->findChildren<QTranslator*>();
    InstallGermanQtTexts(*qApp);
  }

  // The rest of the suite runs as it always has.
  void TearDown() override {
    QLocale::setDefault(locale);
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
      if (before.contains(translator)) continue;
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
  }

  void Write(const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.flush();
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
  }

  // Every line of the dialog's detail list, its columns joined by " | ".
  static QStringList Lines(QTreeView& list) {
    QStringList lines;
    const QAbstractItemModel* model = list.model();
    for (int row = 0; row < model->rowCount(list.rootIndex()); ++row) {
      QStringList cells;
      for (int column = 0; column < model->columnCount(list.rootIndex()); ++column)
        cells << model->index(row, column, list.rootIndex()).data().toString();
      lines << cells.join(" | ");
    }
    lines.sort();
    return lines;
  }

  QTemporaryDir folder;
  const QLocale locale;
  QList<QTranslator*> before;
  const QDateTime modified{QDate(2024, 12, 8), QTime(10, 15)};
};

TEST_F(GermanFileDialogTest, TheOpenDialogShowsDatesSizesAndTypesInGerman) {
  Write("Halle.tmm", QByteArray(1536, '\x01'));
  Write("Halle.tcm", QByteArray("TCM1"));
  Write("notizen.xyz", QByteArray("\x01\x02\x03\x04", 4));
  Write("MOOS.PCX", QByteArray(300, '\x0a'));
  ASSERT_TRUE(QDir(folder.path()).mkdir("Unterordner"));

  TFrmNew newForm;
  QtDialogLayer layer(nullptr, newForm);
  QStringList lines, headers;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* list = dialog->findChild<QTreeView*>("treeView");
    auto* filter = dialog->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_TRUE(list && filter);
    // "Alle Dateien (*)", chosen as a user does.
    QTest::keyClick(filter, Qt::Key_Down);
    // The list is read by a thread of its own; the types come last.
    EXPECT_TRUE(QTest::qWaitFor([&] {
      const QStringList now = Lines(*list);
      return now.size() == 5 && std::all_of(now.begin(), now.end(),
                                            [](const QString& line) { return !line.section(" | ", 2, 2).isEmpty(); });
    }));
    lines = Lines(*list);
    for (int column = 0; column < list->model()->columnCount(); ++column)
      headers << list->model()->headerData(column, Qt::Horizontal).toString();
    // No German size, type or date is cut: each column is as wide as its widest text.
    const QFontMetrics metrics(list->font());
    for (int column = 1; column < list->model()->columnCount(); ++column) {
      int widest = 0;
      for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
        const QString text = list->model()->index(row, column, list->rootIndex()).data().toString();
        widest = std::max(widest, metrics.horizontalAdvance(text));
      }
      EXPECT_GE(list->header()->sectionSize(column), widest) << headers.value(column).toStdString();
    }
    dialog->reject();
  });
  EXPECT_EQ(layer.ChooseMapToOpen(folder.path().toStdString()), std::nullopt);

  const QString date = "8. Dez. 2024 10:15";
  const QLocale german(QLocale::German, QLocale::Germany);
  const QString folderDate =
      german.toString(QFileInfo(folder.filePath("Unterordner")).lastModified(), "d. MMM yyyy HH:mm");
  EXPECT_EQ(headers.join(" | ").toStdString(), "Name | Größe | Typ | Änderungsdatum");
  EXPECT_EQ(lines.join('\n').toStdString(),
            QStringList({"Halle.tcm | " + german.formattedDataSize(4) + " | Tessmoor-Modell | " + date,
                         "Halle.tmm | " + german.formattedDataSize(1536) + " | Tessmoor-Karte | " + date,
                         "MOOS.PCX | " + german.formattedDataSize(300) + " | PCX-Bild | " + date,
                         "Unterordner |  | Verzeichnis | " + folderDate,
                         "notizen.xyz | " + german.formattedDataSize(4) + " | XYZ-Datei | " + date})
                .join('\n')
                .toStdString());
}

}  // namespace

}  // namespace tessmoor
