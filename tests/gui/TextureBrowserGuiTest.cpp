// The texture browser driven as a designer drives it: words typed into its
// filter, its check boxes clicked, an entry double-clicked or chosen with the
// arrow keys and Enter, and its context menu answered with the keyboard.

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QInputDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>
#include <cstring>

#include "editor/features/TextureBrowserFeature.h"
#include "editor/widgets/FavouriteTextures.h"
#include "editor/widgets/TextureDrag.h"
#include "editor/widgets/TextureEntryDelegate.h"
#include "editor/widgets/TextureTableModel.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {
namespace {

struct Made {
  const char* name;
  int width, height;  // the first frame's picture; 0: no frames
  int frames;
  int usedCells;  // cells of the first rows that show it on the floor
};

// Table order differs from name order on purpose.
constexpr Made Textures[] = {
    {"Stein grau", 64, 64, 1, 3}, {"Lava", 64, 64, 3, 5},         {"Stein rot", 64, 32, 1, 0},
    {"Moos", 0, 0, 0, 0},         {"Wasser Stein", 32, 32, 2, 1},
};

class TextureBrowserGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    window->resize(1200, 700);
    QApplication::setActiveWindow(window.get());
    Arrange([](MapDocument& map) {
      map.textureCount = static_cast<int>(std::size(Textures));
      int row = 40;
      for (int t = 0; t < map.textureCount; ++t) {
        const Made& made = Textures[t];
        TextureEntry& entry = map.textures[static_cast<size_t>(t)];
        entry.index = t;
        entry.name[0] = static_cast<uint8_t>(std::strlen(made.name));
        std::memcpy(entry.name + 1, made.name, entry.name[0]);
        entry.frameCount = made.frames;
        for (int f = 0; f < made.frames; ++f) {
          TextureFrame& frame = entry.frames[static_cast<size_t>(f)];
          const std::string file = "T" + std::to_string(t) + "F" + std::to_string(f) + ".PCX";
          frame.fileName[0] = static_cast<uint8_t>(file.size());
          std::memcpy(frame.fileName + 1, file.data(), file.size());
          AllocImage(made.width, made.height, frame.thumbnail);
        }
        for (int k = 0; k < made.usedCells; ++k) {
          map.Cell(k, row).texture[static_cast<size_t>(SurfaceKind::Floor)] = static_cast<uint16_t>(t);
        }
        ++row;
      }
    });
    Trigger("ViewTextures");
    QCoreApplication::processEvents();
    list = Control<QListView>("LVTextures");
    ASSERT_TRUE(list != nullptr && list->isVisible());
  }

  QStringList Shown() const {
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(); ++row) names << list->model()->index(row, 0).data().toString();
    return names;
  }

  QPoint RowPoint(const QString& name) {
    for (int row = 0; row < list->model()->rowCount(); ++row) {
      const QModelIndex index = list->model()->index(row, 0);
      if (index.data().toString() == name) {
        list->scrollTo(index);
        return list->visualRect(index).center();
      }
    }
    ADD_FAILURE() << "no entry " << name.toStdString();
    return {};
  }

  void Type(QWidget* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(QApplication::focusWidget(), text);
  }

  // Chooses `item` of the context menu of the entry `name`, by its keys.
  void ChooseFromMenu(const QString& name, const char* item) {
    QTimer::singleShot(0, [item] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      QAction* wanted = menu->findChild<QAction*>(item);
      ASSERT_NE(wanted, nullptr) << item;
      for (int step = 0; menu->activeAction() != wanted && step < 10; ++step) QTest::keyClick(menu, Qt::Key_Down);
      QTest::keyClick(menu, Qt::Key_Return);
    });
    const QPoint at = RowPoint(name);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
    QCoreApplication::processEvents();
  }

  // Runs `answer` on the next modal dialog once it is open.
  static void WhenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(10, [answer] {
      if (QWidget* dialog = QApplication::activeModalWidget()) {
        answer(dialog);
      } else {
        WhenModal(answer);
      }
    });
  }

  QListView* list = nullptr;
};

TEST_F(TextureBrowserGuiTest, EachFilterLeavesExactlyTheTexturesItDescribes) {
  const struct {
    const char* typed;
    QSize size;
    bool animated, unused;
    QStringList shown;  // in name order
  } cases[] = {
      {"", {}, false, false, {"Lava", "Moos", "Stein grau", "Stein rot", "Wasser Stein"}},
      {"stein", {}, false, false, {"Stein grau", "Stein rot", "Wasser Stein"}},
      {"stein  GRAU", {}, false, false, {"Stein grau"}},  // every word, any case, any spacing
      {"rot grau", {}, false, false, {}},
      {"tei", QSize(64, 32), false, false, {"Stein rot"}},
      {"", QSize(64, 64), false, false, {"Lava", "Stein grau"}},
      {"", {}, true, false, {"Lava", "Wasser Stein"}},
      {"", {}, false, true, {"Moos", "Stein rot"}},
      {"stein", {}, true, false, {"Wasser Stein"}},
      {"", QSize(32, 32), true, true, {}},
      {"o", {}, false, true, {"Moos", "Stein rot"}},
  };
  auto* sizes = Control<QComboBox>("CboTextureSize");
  for (const auto& c : cases) {
    Type(Control<QLineEdit>("EdtTextureFilter"), c.typed);
    sizes->setCurrentIndex(sizes->findData(c.size));
    ASSERT_GE(sizes->currentIndex(), 0);
    for (auto [name, wanted] : {std::pair{"ChkAnimatedOnly", c.animated}, std::pair{"ChkUnusedOnly", c.unused}}) {
      auto* box = Control<QCheckBox>(name);
      if (box->isChecked() != wanted) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
      ASSERT_EQ(box->isChecked(), wanted);
    }
    EXPECT_EQ(Shown(), c.shown) << "filter \"" << c.typed << "\" size " << c.size.width() << "x" << c.size.height()
                                << " animated " << c.animated << " unused " << c.unused;
  }

  // Each order, with everything shown again.
  Type(Control<QLineEdit>("EdtTextureFilter"), "");
  sizes->setCurrentIndex(0);
  QTest::mouseClick(Control<QCheckBox>("ChkUnusedOnly"), Qt::LeftButton, {}, QPoint(8, 8));
  auto* order = Control<QComboBox>("CboTextureOrder");
  order->setCurrentIndex(1);
  EXPECT_EQ(Shown(), QStringList({"Lava", "Stein grau", "Wasser Stein", "Moos", "Stein rot"}));
  order->setCurrentIndex(2);
  EXPECT_EQ(Shown(), QStringList({"Stein grau", "Lava", "Stein rot", "Moos", "Wasser Stein"}));
  // Usage follows an edit at once: three more cells of Stein rot put it first.
  for (int x = 0; x < 6; ++x) {
    MapCell cell = Document().Cell(x, 10);
    cell.texture[static_cast<size_t>(SurfaceKind::Wall)] = 2;
    SetCell(Model(), {x, 10}, cell, PaintStepName);
  }
  order->setCurrentIndex(1);
  EXPECT_EQ(Shown().first(), "Stein rot");
}

TEST_F(TextureBrowserGuiTest, DoubleClickAndEnterSetTheCurrentLayerOfEverySelectedCellAsOneStep) {
  Trigger("ViewFloor");
  Drag(CellPoint(1, 1), CellPoint(3, 2));
  const CellRange selected{1, 1, 3, 2};
  const struct {
    const char* how;
    const char* texture;
    SurfaceKind layer;
    const char* typed;  // into the filter after Textur finden; nothing: the list itself
  } ways[] = {{"double click", "Lava", SurfaceKind::Floor, nullptr},
              {"Enter", "Stein rot", SurfaceKind::Ceiling, nullptr},
              {"Textur finden, typed, Enter in the filter", "Lava", SurfaceKind::Wall, "lav"},
              {"Textur finden, typed, Down, Enter in the list", "Stein rot", SurfaceKind::Floor, "rot"}};
  for (const auto& way : ways) {
    Trigger(way.layer == SurfaceKind::Ceiling ? "ViewCeiling"
            : way.layer == SurfaceKind::Wall  ? "ViewWall"
                                              : "ViewFloor");
    const auto before = Document().cells;
    const size_t steps = Model().History().UndoCount();
    if (way.typed) {
      Trigger("ViewFindTexture");
      ASSERT_EQ(QApplication::focusWidget(), Control<QLineEdit>("EdtTextureFilter")) << way.how;
      QTest::keyClicks(QApplication::focusWidget(), way.typed);
      if (std::strstr(way.how, "Down")) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        ASSERT_EQ(QApplication::focusWidget(), list) << way.how;
        EXPECT_EQ(list->currentIndex().data().toString(), way.texture);
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    } else if (std::string(way.how) == "double click") {
      const QPoint at = RowPoint(way.texture);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    } else {
      // The keyboard's way: into the list, down to the entry, Enter.
      list->setFocus(Qt::TabFocusReason);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
      while (list->currentIndex().data().toString() != way.texture) {
        const QModelIndex was = list->currentIndex();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        ASSERT_NE(list->currentIndex(), was) << "no entry " << way.texture;
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    const int texture = way.texture == std::string("Lava") ? 1 : 2;
    auto expected = before;
    for (int y = selected.y1; y <= selected.y2; ++y) {
      for (int x = selected.x1; x <= selected.x2; ++x) {
        expected[static_cast<size_t>(x * GridSize + y)].texture[way.layer] = static_cast<uint16_t>(texture);
      }
    }
    EXPECT_EQ(std::memcmp(Document().cells.data(), expected.data(), sizeof(MapCell) * expected.size()), 0) << way.how;
    EXPECT_EQ(Model().History().UndoCount(), steps + 1) << way.how;
    Model().Undo();
    EXPECT_EQ(std::memcmp(Document().cells.data(), before.data(), sizeof(MapCell) * before.size()), 0) << way.how;
    Model().Redo();
  }
}

TEST_F(TextureBrowserGuiTest, EveryListOfThePanelHandsOutItsEntrysTextureToADrag) {
  // Something in each group: Lava set on a cell, Moos starred.
  Drag(CellPoint(1, 1), CellPoint(1, 1));
  const QPoint lava = RowPoint("Lava");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, lava);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, lava);
  RowPoint("Moos");
  const QRect moos = list->visualRect(list->indexAt(RowPoint("Moos")));
  const QPoint star = static_cast<TextureEntryDelegate*>(list->itemDelegate())->StarRect(moos).center();
  ASSERT_FALSE(FavouriteTextures::Instance().IsFavourite(Document().textures[3]));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, star);
  ASSERT_TRUE(FavouriteTextures::Instance().IsFavourite(Document().textures[3]));
  for (const char* name : {"LVRecentTextures", "LVFavouriteTextures", "LVTextures"}) {
    auto* shown = Control<QListView>(name);
    ASSERT_GT(shown->model()->rowCount(), 0) << name;
    EXPECT_TRUE(shown->dragEnabled()) << name;
    const QModelIndex first = shown->model()->index(0, 0);
    std::unique_ptr<QMimeData> data(shown->model()->mimeData({first}));
    ASSERT_NE(data, nullptr) << name;
    EXPECT_EQ(DroppedTexture(data.get(), Model()), first.data(TextureTableModel::TextureRole).toInt()) << name;
    EXPECT_TRUE(shown->model()->supportedDragActions() & Qt::CopyAction) << name;
  }
  EXPECT_EQ(Control<QListView>("LVFavouriteTextures")->model()->index(0, 0).data().toString(), "Moos");
  EXPECT_EQ(Control<QListView>("LVRecentTextures")->model()->index(0, 0).data().toString(), "Lava");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, star);  // as it was, for the next test
  EXPECT_FALSE(FavouriteTextures::Instance().IsFavourite(Document().textures[3]));
}

TEST_F(TextureBrowserGuiTest, TheContextMenuShowsReplacesAndRenames) {
  ChooseFromMenu("Lava", "TextureShowCells");
  auto* results = Control<QTreeWidget>("LVResults");
  ASSERT_NE(results, nullptr);
  EXPECT_TRUE(results->isVisible());
  EXPECT_EQ(results->topLevelItemCount(), 5);

  // Replaced by Stein grau through the dialog's list, typed as a person picks it.
  WhenModal([](QWidget* dialog) {
    auto* choice = dialog->findChild<QComboBox*>("CboReplacement");
    choice->setCurrentIndex(choice->findData(0));
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  const size_t steps = Model().History().UndoCount();
  ChooseFromMenu("Lava", "TextureReplaceEverywhere");
  EXPECT_EQ(Model().History().UndoCount(), steps + 1);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(Document().Cell(x, 41).texture[SurfaceKind::Floor], 0) << x;

  WhenModal([](QWidget* dialog) {
    QLineEdit* field = dialog->findChild<QLineEdit*>();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, "Glut");
    QTest::keyClick(field, Qt::Key_Return);
  });
  ChooseFromMenu("Lava", "TextureRename");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(Document().textures[1].name + 1), Document().textures[1].name[0]),
            "Glut");
  EXPECT_TRUE(Shown().contains("Glut"));
}

}  // namespace
}  // namespace tessmoor
