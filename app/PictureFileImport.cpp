#include "app/PictureFileImport.h"

#include <optional>

#include "app/PictureFolderCopy.h"
#include "document/FramePictures.h"
#include "document/Windows1252.h"
#include "graphics/GraphicsError.h"
#include "graphics/PcxLoader.h"
#include "textures/TextureFrames.h"
#include "textures/TextureTable.h"

namespace tessmoor {

namespace {

std::string Stem(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = base.find_last_of('.');
  if (dot != std::string::npos && dot > 0) base.resize(dot);
  return base;
}

// A name the table cannot store is told by the frame's stored name instead.
std::string TextureNameFor(const std::string& file, const std::string& frameName) {
  if (std::optional<std::string> name = Utf8ToWindows1252(Stem(file))) return *name;
  return Stem(frameName);
}

bool IsReadablePicture(const std::string& file) {
  HiColorImage picture;
  TakeGraphicsError();
  LoadPcxImage(file, picture);
  return TakeGraphicsError() == GraphicsErrorCode::geNone && !picture.IsEmpty();
}

// What refuses the files before anything is copied: a full table, too many
// files, or one that is no picture.
CoreMessage CheckFiles(const MapDocument& map, const std::vector<std::string>& files) {
  if (map.textureCount >= MaxTextures) return TooManyTexturesMessage;
  if (files.size() > static_cast<size_t>(MaxFrames)) return TooManyFramesMessage;
  for (const std::string& file : files) {
    if (!IsReadablePicture(file)) return PictureLoadErrorMessage(file);
  }
  return {};
}

}  // namespace

PictureImport ImportPictureFiles(EditorSession& session, const std::vector<std::string>& files,
                                 const std::string& userFolder, FileOps& ops) {
  PictureImport import;
  if (files.empty()) return import;
  MapEditing& editing = session.Editing();
  const std::string& programDirectory = session.Editor().programDirectory;
  import.message = CheckFiles(session.Map(), files);
  if (!IsEmpty(import.message)) return import;
  std::vector<std::string> frameNames;
  for (const std::string& file : files) {
    const std::optional<std::string> name =
        PlaceInPictureFolders(programDirectory, file, userFolder, ops, import.message);
    if (!name) return import;
    frameNames.push_back(Windows1252ToUtf8(*name));
  }
  int texture = -1;
  const EditResult result = editing.Transaction(StepName::AddTexture, [&]() -> EditResult {
    if (EditResult added = editing.AddTexture(); !added.Ok()) return added;
    texture = session.Map().textureCount - 1;
    if (EditResult renamed = editing.RenameTexture(texture, TextureNameFor(files.front(), frameNames.front()));
        !renamed.Ok())
      return renamed;
    return editing.AddFrames(texture, frameNames);
  });
  if (!result.Ok()) {
    import.message = result.reason;
    return import;
  }
  import.texture = texture;
  return import;
}

}  // namespace tessmoor
