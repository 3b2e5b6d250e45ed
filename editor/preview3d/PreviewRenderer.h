#pragma once
// Draws the 3D view's model with OpenGL 3.3 core into the bound framebuffer:
// opaque batches first, then the translucent faces furthest first, then the
// selection outline, over a sky-coloured clear. Frame pictures become textures
// once per frame name; a picture that cannot be read shows a checkerboard.
// Every call needs the renderer's OpenGL context current.

#include <QOpenGLBuffer>
#include <QOpenGLExtraFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLVertexArrayObject>
#include <string>
#include <unordered_map>
#include <vector>

#include "document/MapDocument.h"
#include "preview/DrawBatches.h"
#include "preview/PreviewCamera.h"

namespace tessmoor {

// What one frame needs beside the model.
struct PreviewFrame {
  const MapDocument* document = nullptr;
  const PreviewCamera* camera = nullptr;
  int width = 0, height = 0;  // in device pixels
  int64_t animationTick = 0;
  const std::vector<Vec3>* outline = nullptr;  // line ends; may be null
};

class PreviewRenderer : protected QOpenGLExtraFunctions {
 public:
  explicit PreviewRenderer(std::string programDirectory);
  ~PreviewRenderer();

  // False when the context cannot run the shaders.
  bool Initialize();
  // Takes a rebuilt model into the vertex buffer.
  void Upload(const DrawBatches& batches);
  void Render(const PreviewFrame& frame);
  // Frees every OpenGL object; the context must still be current.
  void Release();

 private:
  GLuint TextureFor(const MapDocument& document, uint16_t texture, int64_t tick);
  GLuint MakeTexture(int width, int height, const unsigned char* rgba);
  void DrawOpaque(const PreviewFrame& frame);
  void DrawTranslucent(const PreviewFrame& frame);
  void DrawOutline(const PreviewFrame& frame);

  std::string programDirectory_;
  QOpenGLShaderProgram program_;
  QOpenGLVertexArrayObject modelArray_;
  QOpenGLBuffer modelBuffer_{QOpenGLBuffer::VertexBuffer};
  QOpenGLVertexArrayObject lineArray_;
  QOpenGLBuffer lineBuffer_{QOpenGLBuffer::VertexBuffer};
  std::unordered_map<std::string, GLuint> pictures_;  // by frame name; refused ones map to the checkerboard
  GLuint checkerboard_ = 0;
  DrawBatches batches_;  // the ranges of what the buffer holds (no vertices), for the draw calls and the sort
  std::vector<int32_t> order_;
  bool initialized_ = false;
};

}  // namespace tessmoor
