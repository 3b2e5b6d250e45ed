// The textures set on a cell last: newest first, each once, at most sixteen,
// and each still the texture that was set after the table moved under it.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "app/RecentTextures.h"
#include "edit/CellFieldEdit.h"
#include "edit/TextureCommands.h"
#include "textures/TextureName.h"

namespace tessmoor {

namespace {

class RecentTexturesTest : public ::testing::Test {
 protected:
  std::string NameAt(int texture) const { return TextureNameBytes(model.Map().textures[size_t(texture)]); }

  std::vector<std::string> RecentNames() const {
    std::vector<std::string> names;
    for (const int texture : recent.Textures()) names.push_back(NameAt(texture));
    return names;
  }

  // Names stay unique, whatever is undone: each texture is added with its name in one step.
  void AddNamedTexture() {
    model.BeginTransaction(AddTextureStepName);
    AddTexture(model);
    RenameTexture(model, model.Map().textureCount - 1, "T" + std::to_string(serial++));
    model.CommitTransaction();
  }

  // A renamed texture is still the one that was set: its name with an "R" before it.
  static std::string Unrenamed(std::string name) { return name.substr(name.find_first_not_of('R')); }

  // True when some cell of the range got `texture` on `layer`.
  bool SetTexture(int texture, SurfaceKind layer, CellRange range) {
    CellFieldEdit edit;
    edit.changed.set(TextureField(layer));
    edit.values.texture[layer] = uint16_t(texture);
    everSet.insert(Unrenamed(NameAt(texture)));
    return EditCells(model, range, edit);
  }

  void ExpectSound(int step) const {
    const std::vector<int> textures = recent.Textures();
    ASSERT_LE(textures.size(), size_t(RecentTextures::Capacity)) << step;
    ASSERT_EQ(std::set<int>(textures.begin(), textures.end()).size(), textures.size()) << "twice, step " << step;
    for (const int texture : textures) {
      ASSERT_TRUE(texture >= 0 && texture < model.Map().textureCount) << step;
      ASSERT_TRUE(everSet.contains(Unrenamed(NameAt(texture)))) << NameAt(texture) << " was never set, step " << step;
    }
  }

  DocumentModel model;
  RecentTextures recent{model};
  std::set<std::string> everSet;
  int serial = 0;
};

TEST_F(RecentTexturesTest, FollowsSetsUndoDeletesRenamesAndNewMapsThroughRandomSteps) {
  std::mt19937 random(16);
  for (int t = 0; t < 24; ++t) AddNamedTexture();
  for (int step = 0; step < 2000; ++step) {
    const int count = model.Map().textureCount;
    const int texture = int(random() % count);
    const std::vector<std::string> before = RecentNames();
    switch (random() % 9) {
      case 0:
      case 1:
      case 2: {
        const int x = int(random() % GridSize), y = int(random() % GridSize);
        if (SetTexture(texture, SurfaceKind(random() % SurfaceCount), {x, y, std::min(x + 2, 63), y})) {
          ASSERT_EQ(recent.Textures().front(), texture) << "the newest first, step " << step;
        }
        break;
      }
      case 3:
        model.Undo();
        break;
      case 4:
        model.Redo();
        break;
      case 5: {
        const std::string name = NameAt(texture);
        if (!DeleteTexture(model, texture, nullptr).ok) break;
        std::vector<std::string> expected = before;
        std::erase(expected, name);
        ASSERT_EQ(RecentNames(), expected) << "delete of " << name << ", step " << step;
        break;
      }
      case 6:
        if (count < 40) AddNamedTexture();
        ASSERT_EQ(RecentNames(), before) << "add, step " << step;
        break;
      case 7: {
        const std::vector<int> positions = recent.Textures();
        RenameTexture(model, texture, "R" + NameAt(texture));
        ASSERT_EQ(recent.Textures(), positions) << "rename, step " << step;
        model.Undo();
        ASSERT_EQ(recent.Textures(), positions) << "rename undone, step " << step;
        break;
      }
      default:
        if (random() % 8 == 0) {
          EditorState editor;
          model.Replace([&editor](MapDocument& map) { ResetDocument(map, editor, false); });
          ASSERT_TRUE(recent.Textures().empty()) << "a new map, step " << step;
        } else {
          everSet.insert(Unrenamed(NameAt(texture)));
          recent.Note(texture);
          ASSERT_EQ(recent.Textures().front(), texture) << step;
        }
    }
    ExpectSound(step);
  }
}

}  // namespace

}  // namespace tessmoor
