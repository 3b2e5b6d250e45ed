#include "export/GlbWriter.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <sstream>

namespace tessmoor {

namespace {

constexpr int NoIndex = -1;
// The views in the order FinishBuffer makes them.
constexpr int PositionView = 0, NormalView = 1, TexCoordView = 2, IndexView = 3;

// The buffer is laid out as one view per kind of data, so a file holds a handful
// of views however many materials it has.
struct ByteBlock {
  std::vector<unsigned char> bytes;

  // Appends `size` bytes and returns their offset in the block.
  size_t Append(const void* data, size_t size) {
    const size_t offset = bytes.size();
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), begin, begin + size);
    return offset;
  }
  void PadTo4() { bytes.resize((bytes.size() + 3) & ~size_t(3), 0); }
};

tinygltf::Value TextureExtras(const MapDocument& document, MaterialKey key) {
  const TextureDescription description = DescribeTexture(document, key.texture);
  tinygltf::Value::Array frames;
  for (const std::string& frame : description.frameNames) frames.emplace_back(frame);
  tinygltf::Value::Object extras;
  extras["texture"] = tinygltf::Value(int(key.texture));
  extras["name"] = tinygltf::Value(description.name);
  extras["animationType"] = tinygltf::Value(int(description.animationType));
  extras["frames"] = tinygltf::Value(std::move(frames));
  extras["opacity"] = tinygltf::Value(int(key.opacity));
  return tinygltf::Value(std::move(extras));
}

class GlbBuilder {
 public:
  GlbBuilder(const MapDocument& document, const ExportScene& scene, const TexturePngs& pictures)
      : document_(document), scene_(scene), pictures_(pictures) {}

  tinygltf::Model Build() {
    model_.asset.version = "2.0";
    model_.asset.generator = "Tessmoor Editor";
    tinygltf::Scene& root = model_.scenes.emplace_back();
    if (!scene_.primitives.empty()) {
      AddMesh();
      root.nodes.push_back(AddNode("Karte", 0));
    }
    if (scene_.start) {
      const int start = AddNode("Start", NoIndex);
      model_.nodes[size_t(start)].translation = {(*scene_.start)[0], (*scene_.start)[1], (*scene_.start)[2]};
      root.nodes.push_back(start);
    }
    model_.defaultScene = 0;
    FinishBuffer();
    return std::move(model_);
  }

 private:
  void AddMesh() {
    tinygltf::Mesh& mesh = model_.meshes.emplace_back();
    for (const ExportPrimitive& primitive : scene_.primitives) {
      tinygltf::Primitive& out = mesh.primitives.emplace_back();
      out.mode = TINYGLTF_MODE_TRIANGLES;
      out.material = AddMaterial(primitive.material);
      out.attributes["POSITION"] = AddPositions(primitive);
      out.attributes["NORMAL"] = AddFloats(normals_, NormalView, primitive.normals, TINYGLTF_TYPE_VEC3);
      out.attributes["TEXCOORD_0"] = AddFloats(texCoords_, TexCoordView, primitive.texCoords, TINYGLTF_TYPE_VEC2);
      out.indices = AddIndices(primitive.indices, primitive.CornerCount());
    }
  }

  int AddNode(const std::string& name, int mesh) {
    tinygltf::Node& node = model_.nodes.emplace_back();
    node.name = name;
    node.mesh = mesh;
    return int(model_.nodes.size() - 1);
  }

  int AddMaterial(MaterialKey key) {
    tinygltf::Material& material = model_.materials.emplace_back();
    material.name = MaterialName(key);
    material.extras = TextureExtras(document_, key);
    tinygltf::PbrMetallicRoughness& pbr = material.pbrMetallicRoughness;
    pbr.metallicFactor = 0.0;
    pbr.roughnessFactor = 1.0;
    pbr.baseColorTexture.index = TextureFor(key.texture);
    if (key.IsBlended()) {
      material.alphaMode = "BLEND";
      // Water and windows are seen from both sides in the engine's rooms.
      material.doubleSided = true;
      pbr.baseColorFactor = {1.0, 1.0, 1.0, key.opacity / 255.0};
    }
    return int(model_.materials.size() - 1);
  }

  // The glTF texture of a map texture, made with its image on first use.
  int TextureFor(uint16_t texture) {
    const auto known = textures_.find(texture);
    if (known != textures_.end()) return known->second;
    const TexturePng* picture = pictures_.Find(texture);
    int index = NoIndex;
    if (picture) {
      tinygltf::Image& image = model_.images.emplace_back();
      image.name = MaterialName({texture, 255});
      image.mimeType = "image/png";
      pngViews_.push_back(pngs_.Append(picture->png.data(), picture->png.size()));
      pngSizes_.push_back(picture->png.size());
      pngs_.PadTo4();
      image.bufferView = NoIndex;  // set once the buffer's layout is known
      tinygltf::Texture& out = model_.textures.emplace_back();
      out.source = int(model_.images.size() - 1);
      out.sampler = Sampler();
      index = int(model_.textures.size() - 1);
    }
    textures_[texture] = index;
    return index;
  }

  int Sampler() {
    if (model_.samplers.empty()) {
      tinygltf::Sampler& sampler = model_.samplers.emplace_back();
      sampler.magFilter = TINYGLTF_TEXTURE_FILTER_NEAREST;
      sampler.minFilter = TINYGLTF_TEXTURE_FILTER_NEAREST;
      sampler.wrapS = TINYGLTF_TEXTURE_WRAP_REPEAT;
      sampler.wrapT = TINYGLTF_TEXTURE_WRAP_REPEAT;
    }
    return 0;
  }

  int AddPositions(const ExportPrimitive& primitive) {
    const int index = AddFloats(positions_, PositionView, primitive.positions, TINYGLTF_TYPE_VEC3);
    tinygltf::Accessor& accessor = model_.accessors[size_t(index)];
    accessor.minValues.assign(3, 0.0);
    accessor.maxValues.assign(3, 0.0);
    for (int axis = 0; axis < 3; ++axis) {
      float low = primitive.positions[size_t(axis)], high = low;
      for (size_t i = size_t(axis); i < primitive.positions.size(); i += 3) {
        low = std::min(low, primitive.positions[i]);
        high = std::max(high, primitive.positions[i]);
      }
      accessor.minValues[size_t(axis)] = low;
      accessor.maxValues[size_t(axis)] = high;
    }
    return index;
  }

  int AddFloats(ByteBlock& block, int view, const std::vector<float>& values, int type) {
    const int components = type == TINYGLTF_TYPE_VEC3 ? 3 : 2;
    tinygltf::Accessor accessor;
    accessor.byteOffset = block.Append(values.data(), values.size() * sizeof(float));
    accessor.componentType = TINYGLTF_COMPONENT_TYPE_FLOAT;
    accessor.type = type;
    accessor.count = values.size() / size_t(components);
    accessor.bufferView = view;
    model_.accessors.push_back(std::move(accessor));
    return int(model_.accessors.size() - 1);
  }

  int AddIndices(const std::vector<uint32_t>& indices, size_t cornerCount) {
    tinygltf::Accessor accessor;
    accessor.type = TINYGLTF_TYPE_SCALAR;
    accessor.count = indices.size();
    accessor.bufferView = IndexView;
    // 16 bits whenever they reach, leaving out 65535, which viewers may read as a restart.
    if (cornerCount < 65535) {
      std::vector<uint16_t> narrow(indices.begin(), indices.end());
      accessor.componentType = TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT;
      accessor.byteOffset = indices_.Append(narrow.data(), narrow.size() * sizeof(uint16_t));
    } else {
      accessor.componentType = TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
      accessor.byteOffset = indices_.Append(indices.data(), indices.size() * sizeof(uint32_t));
    }
    indices_.PadTo4();
    model_.accessors.push_back(std::move(accessor));
    return int(model_.accessors.size() - 1);
  }

  // Joins the blocks into the one buffer and makes their views.
  void FinishBuffer() {
    if (positions_.bytes.empty() && pngs_.bytes.empty()) return;
    tinygltf::Buffer& buffer = model_.buffers.emplace_back();
    const auto addView = [this](size_t offset, size_t size, int target, size_t stride) {
      tinygltf::BufferView& view = model_.bufferViews.emplace_back();
      view.buffer = 0;
      view.byteOffset = offset;
      view.byteLength = size;
      view.target = target;
      view.byteStride = stride;
      return int(model_.bufferViews.size() - 1);
    };
    std::vector<unsigned char>& data = buffer.data;
    const auto place = [&data](const ByteBlock& block) {
      const size_t offset = data.size();
      data.insert(data.end(), block.bytes.begin(), block.bytes.end());
      data.resize((data.size() + 3) & ~size_t(3), 0);
      return offset;
    };
    if (!positions_.bytes.empty()) {
      // Several accessors share each vertex view, so the stride must be stated.
      addView(place(positions_), positions_.bytes.size(), TINYGLTF_TARGET_ARRAY_BUFFER, 12);
      addView(place(normals_), normals_.bytes.size(), TINYGLTF_TARGET_ARRAY_BUFFER, 12);
      addView(place(texCoords_), texCoords_.bytes.size(), TINYGLTF_TARGET_ARRAY_BUFFER, 8);
      addView(place(indices_), indices_.bytes.size(), TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER, 0);
    }
    const size_t pngBase = place(pngs_);
    for (size_t i = 0; i < model_.images.size(); ++i) {
      model_.images[i].bufferView = addView(pngBase + pngViews_[i], pngSizes_[i], 0, 0);
    }
  }

  const MapDocument& document_;
  const ExportScene& scene_;
  const TexturePngs& pictures_;
  tinygltf::Model model_;
  ByteBlock positions_, normals_, texCoords_, indices_, pngs_;
  std::vector<size_t> pngViews_, pngSizes_;
  std::map<uint16_t, int> textures_;
};

}  // namespace

std::string SerializeGlb(const MapDocument& document, const ExportScene& scene, const TexturePngs& pictures) {
  const tinygltf::Model model = GlbBuilder(document, scene, pictures).Build();
  std::ostringstream out;
  tinygltf::TinyGLTF writer;
  writer.WriteGltfSceneToStream(&model, out, false, true);
  return std::move(out).str();
}

ExportResult WriteGlb(const MapDocument& document, const ExportScene& scene, const TexturePngs& pictures,
                      const std::string& path, FileOps& ops) {
  return WriteExportFile(path, SerializeGlb(document, scene, pictures), ops);
}

}  // namespace tessmoor
