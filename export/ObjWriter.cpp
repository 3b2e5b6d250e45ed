#include "export/ObjWriter.h"

#include <charconv>

namespace tessmoor {

namespace {

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The shortest text that reads back as the same float.
void AppendFloat(std::string& out, float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  out += ' ';
  out.append(text, end);
}

void AppendLine(std::string& out, const char* tag, const float* values, int count) {
  out += tag;
  for (int i = 0; i < count; ++i) AppendFloat(out, values[i]);
  out += '\n';
}

void AppendCorners(std::string& out, const ExportPrimitive& primitive) {
  for (size_t i = 0; i < primitive.CornerCount(); ++i) {
    AppendLine(out, "v", &primitive.positions[i * 3], 3);
    // OBJ counts V upwards from the picture's bottom row.
    const float uv[2] = {primitive.texCoords[i * 2], 1.0f - primitive.texCoords[i * 2 + 1]};
    AppendLine(out, "vt", uv, 2);
    AppendLine(out, "vn", &primitive.normals[i * 3], 3);
  }
}

void AppendFaces(std::string& out, const ExportPrimitive& primitive, size_t firstCorner) {
  for (size_t i = 0; i + 2 < primitive.indices.size(); i += 3) {
    out += 'f';
    for (size_t k = 0; k < 3; ++k) {
      const std::string index = std::to_string(firstCorner + primitive.indices[i + k] + 1);
      out += ' ' + index + '/' + index + '/' + index;
    }
    out += '\n';
  }
}

}  // namespace

std::string WithExtension(const std::string& path, const std::string& extension) {
  for (size_t i = path.size(); i-- > 0;) {
    if (path[i] == '/') break;
    if (path[i] == '.') return path.substr(0, i + 1) + extension;
  }
  return path + "." + extension;
}

std::string TexturePngName(const std::string& objPath, uint16_t texture) {
  const std::string stem = FileNameOf(WithExtension(objPath, ""));
  return stem.substr(0, stem.size() - 1) + "_textur" + std::to_string(texture) + ".png";
}

std::string SerializeObj(const ExportScene& scene, const std::string& mtlName) {
  std::string out = "# Tessmoor Editor\nmtllib " + mtlName + "\n";
  size_t corners = 0;
  for (const ExportPrimitive& primitive : scene.primitives) {
    out += "usemtl " + MaterialName(primitive.material) + "\n";
    AppendCorners(out, primitive);
    AppendFaces(out, primitive, corners);
    corners += primitive.CornerCount();
  }
  return out;
}

std::string SerializeMtl(const ExportScene& scene, const TexturePngs& pictures, const std::string& objPath) {
  std::string out = "# Tessmoor Editor\n";
  for (const ExportPrimitive& primitive : scene.primitives) {
    const MaterialKey key = primitive.material;
    out += "\nnewmtl " + MaterialName(key) + "\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\nillum 1\n";
    out += "d";
    AppendFloat(out, key.opacity / 255.0f);
    out += '\n';
    if (pictures.Find(key.texture)) out += "map_Kd " + TexturePngName(objPath, key.texture) + "\n";
  }
  return out;
}

ExportResult WriteObj(const ExportScene& scene, const TexturePngs& pictures, const std::string& path, FileOps& ops) {
  const std::string directory = DirectoryOf(path);
  for (const TexturePng& picture : pictures.pictures) {
    if (picture.png.empty()) continue;
    const std::string bytes(picture.png.begin(), picture.png.end());
    const ExportResult written = WriteExportFile(directory + TexturePngName(path, picture.texture), bytes, ops);
    if (!written.ok) return written;
  }
  const std::string mtlPath = WithExtension(path, "mtl");
  const ExportResult mtl = WriteExportFile(mtlPath, SerializeMtl(scene, pictures, path), ops);
  if (!mtl.ok) return mtl;
  return WriteExportFile(path, SerializeObj(scene, FileNameOf(mtlPath)), ops);
}

}  // namespace tessmoor
