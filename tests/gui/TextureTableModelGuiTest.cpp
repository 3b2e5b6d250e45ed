// The one source of every texture list: the picture cache re-makes the
// pictures of exactly the textures an edit touched, and the list model tells
// its views of every change, so a view that only listens ends up equal to the
// table.

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "edit/TextureCommands.h"
#include "editor/widgets/HiColorQImage.h"
#include "editor/widgets/TexturePictureCache.h"
#include "editor/widgets/TextureTableModel.h"
#include "textures/TextureName.h"
#include "textures/TexturePictures.h"

namespace tessmoor {

namespace {

constexpr int PictureCount = 8;
constexpr int Side = TexturePictureCache::Side;

std::string PictureName(int k) { return std::string(1, static_cast<char>('A' + k)) + ".PCX"; }

QImage Shown(const QIcon& icon) { return icon.pixmap(Side, Side).toImage().convertToFormat(QImage::Format_RGB32); }

// What a list must show for the texture's first frame: nothing without one.
QImage Expected(const TextureEntry& entry) {
  if (entry.frameCount < 1) return {};
  return ToQImage(entry.frames[0].thumbnail)
      .scaled(Side, Side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

class TextureTableModelGuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int k = 0; k < PictureCount; ++k) gfx.AddPicture(PictureName(k), 10 + k);
  }

  void AddTextureWithFrames(const std::vector<int>& pictures) {
    ASSERT_TRUE(AddTexture(model).ok);
    AddPictures(model.Map().textureCount - 1, pictures);
  }
  void AddPictures(int texture, const std::vector<int>& pictures) {
    std::vector<std::string> paths;
    for (int k : pictures) paths.push_back(gfx.Gfx(PictureName(k)));
    AddFrames(model, gfx.Dir(), texture, paths);
  }
  const TextureEntry& Entry(int t) const { return model.Map().textures[static_cast<size_t>(t)]; }

  ProgramDirectory gfx;
  DocumentModel model;
};

TEST_F(TextureTableModelGuiTest, CacheRemakesThePicturesOfExactlyTheTexturesAnEditChanged) {
  AddTextureWithFrames({0});
  AddTextureWithFrames({1});
  AddTextureWithFrames({2});
  AddTextureWithFrames({3});
  TexturePictureCache cache(model);
  const struct {
    const char* edit;
    std::function<void()> run;
    std::set<int> remade;  // the table positions whose pictures must be made anew
  } steps[] = {
      {"rename", [&] { RenameTexture(model, 1, "Moos"); }, {1}},
      {"frames added", [&] { AddPictures(2, {4, 5}); }, {2}},
      {"animation", [&] { SetAnimationType(model, 3, AnimationType::PingPong); }, {}},
      {"delete", [&] { DeleteTexture(model, 0, nullptr); }, {0, 1, 2}},
      {"undo", [&] { model.Undo(); }, {0, 1, 2, 3}},
      {"frame removed", [&] { RemoveFrame(model, 2, 0); }, {2}},
  };
  for (const auto& step : steps) {
    std::vector<qint64> before;
    for (int t = 0; t < model.Map().textureCount; ++t) before.push_back(cache.Picture(t).cacheKey());
    step.run();
    for (int t = 0; t < model.Map().textureCount; ++t) {
      for (int f = 0; f < Entry(t).frameCount; ++f) {
        const QImage expected = ToQImage(Entry(t).frames[static_cast<size_t>(f)].thumbnail)
                                    .scaled(Side, Side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                    .convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(Shown(cache.Picture(t, f)) == expected) << step.edit << ": texture " << t << " frame " << f;
      }
      if (t < static_cast<int>(before.size())) {
        EXPECT_EQ(step.remade.count(t) == 1, cache.Picture(t).cacheKey() != before[static_cast<size_t>(t)])
            << step.edit << ": texture " << t;
      }
    }
    EXPECT_TRUE(cache.Picture(model.Map().textureCount).isNull()) << step.edit;
  }
}

// A view that knows the model only through its signals.
struct ListeningView {
  struct Row {
    QString name;
    int frames = 0;
    QImage picture;
  };

  explicit ListeningView(TextureTableModel& model) : model(model) {
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, [this](const QModelIndex&, int first, int last) {
      rows.insert(rows.begin() + first, static_cast<size_t>(last - first + 1), Row{});
      Read(first, last);
    });
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved, [this](const QModelIndex&, int first, int last) {
      rows.erase(rows.begin() + first, rows.begin() + last + 1);
    });
    QObject::connect(&model, &QAbstractItemModel::dataChanged,
                     [this](const QModelIndex& from, const QModelIndex& to) { Read(from.row(), to.row()); });
    QObject::connect(&model, &QAbstractItemModel::modelReset, [this] {
      rows.assign(static_cast<size_t>(this->model.rowCount()), Row{});
      Read(0, this->model.rowCount() - 1);
    });
    rows.resize(static_cast<size_t>(model.rowCount()));
    Read(0, model.rowCount() - 1);
  }

  void Read(int first, int last) {
    for (int row = first; row <= last; ++row) {
      const QModelIndex index = model.index(row);
      Row& shown = rows[static_cast<size_t>(row)];
      shown.name = index.data().toString();
      shown.frames = index.data(TextureTableModel::FrameCountRole).toInt();
      const QIcon icon = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
      shown.picture = icon.isNull() ? QImage() : Shown(icon);
    }
  }

  TextureTableModel& model;
  std::vector<Row> rows;
};

TEST_F(TextureTableModelGuiTest, AViewOfTheModelFollowsTheTableThroughRandomEdits) {
  TexturePictureCache cache(model);
  TextureTableModel table(model, &cache);
  ListeningView view(table);
  const char* const names[] = {"Stein", "Moos", "Holz", "Wasser\xe4", ""};
  std::mt19937 random(20240611);
  auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
  for (int step = 0; step < 300; ++step) {
    const int count = model.Map().textureCount;
    std::string edit;
    switch (count == 0 ? 0 : pick(6)) {
      case 0:
        edit = "add";
        if (count < 12) AddTexture(model);
        break;
      case 1:
        edit = "rename";
        RenameTexture(model, pick(count), names[pick(5)]);
        break;
      case 2:
        edit = "delete";
        DeleteTexture(model, pick(count), nullptr);
        break;
      case 3:
        edit = "add frames";
        AddPictures(pick(count), {pick(PictureCount), pick(PictureCount)});
        break;
      case 4:
        edit = "undo";
        model.Undo();
        break;
      default:
        edit = "redo";
        model.Redo();
        break;
    }
    const std::string where = "step " + std::to_string(step) + " (" + edit + ")";
    ASSERT_EQ(view.rows.size(), static_cast<size_t>(model.Map().textureCount)) << where;
    ASSERT_EQ(table.rowCount(), model.Map().textureCount) << where;
    for (int t = 0; t < model.Map().textureCount; ++t) {
      const ListeningView::Row& row = view.rows[static_cast<size_t>(t)];
      EXPECT_EQ(row.name.toStdString(), TextureNameText(Entry(t))) << where << " row " << t;
      EXPECT_EQ(row.frames, Entry(t).frameCount) << where << " row " << t;
      EXPECT_TRUE(row.picture == Expected(Entry(t))) << where << " row " << t;
      EXPECT_EQ(table.index(t).data(TextureTableModel::TextureRole).toInt(), t);
    }
  }
}

}  // namespace

}  // namespace tessmoor
