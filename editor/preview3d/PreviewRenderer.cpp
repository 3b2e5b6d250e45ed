#include "editor/preview3d/PreviewRenderer.h"

#include <utility>

#include "preview/FramePixels.h"

namespace tessmoor {

namespace {

const char* const VertexShader = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec2 texCoord;
uniform mat4 viewProjection;
out vec2 pictureCoord;
void main() {
  // One picture spans 128 world units and repeats.
  pictureCoord = texCoord / 128.0;
  gl_Position = viewProjection * vec4(position, 1.0);
}
)";

const char* const FragmentShader = R"(#version 330 core
in vec2 pictureCoord;
uniform sampler2D picture;
uniform bool textured;
uniform vec4 colour;
uniform float alpha;
out vec4 fragment;
void main() {
  fragment = textured ? vec4(texture(picture, pictureCoord).rgb, alpha) : colour;
}
)";

constexpr float SkyRed = 0.53f, SkyGreen = 0.72f, SkyBlue = 0.92f;

}  // namespace

PreviewRenderer::PreviewRenderer(std::string programDirectory) : programDirectory_(std::move(programDirectory)) {}

PreviewRenderer::~PreviewRenderer() = default;

bool PreviewRenderer::Initialize() {
  initializeOpenGLFunctions();
  if (!program_.addShaderFromSourceCode(QOpenGLShader::Vertex, VertexShader) ||
      !program_.addShaderFromSourceCode(QOpenGLShader::Fragment, FragmentShader) || !program_.link())
    return false;
  modelArray_.create();
  modelBuffer_.create();
  {
    const QOpenGLVertexArrayObject::Binder bind(&modelArray_);
    modelBuffer_.bind();
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(BatchVertex), nullptr);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(BatchVertex),
                          reinterpret_cast<void*>(offsetof(BatchVertex, u)));
  }
  lineArray_.create();
  lineBuffer_.create();
  {
    const QOpenGLVertexArrayObject::Binder bind(&lineArray_);
    lineBuffer_.bind();
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(Vec3), nullptr);
  }
  const RgbaPicture board = Checkerboard();
  checkerboard_ = MakeTexture(board.width, board.height, board.pixels.data());
  initialized_ = true;
  return true;
}

void PreviewRenderer::Release() {
  if (!initialized_) return;
  for (auto& [name, texture] : pictures_) {
    if (texture != checkerboard_) glDeleteTextures(1, &texture);
  }
  pictures_.clear();
  glDeleteTextures(1, &checkerboard_);
  modelBuffer_.destroy();
  modelArray_.destroy();
  lineBuffer_.destroy();
  lineArray_.destroy();
  program_.removeAllShaders();
  initialized_ = false;
}

void PreviewRenderer::Upload(const DrawBatches& batches) {
  // The vertices live in the buffer; only the ranges are kept here.
  batches_.opaque = batches.opaque;
  batches_.translucent = batches.translucent;
  modelBuffer_.bind();
  modelBuffer_.allocate(batches.vertices.data(), int(batches.vertices.size() * sizeof(BatchVertex)));
  modelBuffer_.release();
}

GLuint PreviewRenderer::MakeTexture(int width, int height, const unsigned char* rgba) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  glGenerateMipmap(GL_TEXTURE_2D);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  // One mipmap level per pixel: blending two levels costs the software renderer dearly.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
  // Pictures are small and hand-made: close up they show their pixels.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  return texture;
}

GLuint PreviewRenderer::TextureFor(const MapDocument& document, uint16_t texture, int64_t tick) {
  const std::string name = ShownFrameName(document, texture, tick);
  if (name.empty()) return checkerboard_;
  const auto found = pictures_.find(name);
  if (found != pictures_.end()) return found->second;
  RgbaPicture picture;
  // A refused picture is remembered too, so a missing file is not looked for every frame.
  const GLuint made = LoadFramePixels(programDirectory_, name, picture)
                          ? MakeTexture(picture.width, picture.height, picture.pixels.data())
                          : checkerboard_;
  pictures_.emplace(name, made);
  return made;
}

void PreviewRenderer::Render(const PreviewFrame& frame) {
  glViewport(0, 0, frame.width, frame.height);
  glClearColor(SkyRed, SkyGreen, SkyBlue, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (!initialized_ || frame.width <= 0 || frame.height <= 0) return;
  program_.bind();
  const Mat4 viewProjection = frame.camera->ViewProjection(float(frame.width) / float(frame.height));
  glUniformMatrix4fv(program_.uniformLocation("viewProjection"), 1, GL_FALSE, viewProjection.data());
  program_.setUniformValue("picture", 0);
  glActiveTexture(GL_TEXTURE0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  // Faces are seen from whichever side the eye is on: no culling.
  glDisable(GL_CULL_FACE);
  DrawOpaque(frame);
  DrawOutline(frame);
  DrawTranslucent(frame);
  program_.release();
}

void PreviewRenderer::DrawOpaque(const PreviewFrame& frame) {
  const QOpenGLVertexArrayObject::Binder bind(&modelArray_);
  program_.setUniformValue("textured", true);
  program_.setUniformValue("alpha", 1.0f);
  glDisable(GL_BLEND);
  glDepthMask(GL_TRUE);
  for (const TextureBatch& batch : batches_.opaque) {
    glBindTexture(GL_TEXTURE_2D, TextureFor(*frame.document, batch.texture, frame.animationTick));
    glDrawArrays(GL_TRIANGLES, batch.firstVertex, batch.vertexCount);
  }
}

void PreviewRenderer::DrawTranslucent(const PreviewFrame& frame) {
  const QOpenGLVertexArrayObject::Binder bind(&modelArray_);
  program_.setUniformValue("textured", true);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  // Translucent faces hide nothing drawn after them; the order does the rest.
  glDepthMask(GL_FALSE);
  OrderBackToFront(batches_, frame.camera->Eye(), order_);
  for (int32_t i : order_) {
    const TranslucentFace& face = batches_.translucent[size_t(i)];
    program_.setUniformValue("alpha", float(face.opacity) / 255.0f);
    glBindTexture(GL_TEXTURE_2D, TextureFor(*frame.document, face.texture, frame.animationTick));
    glDrawArrays(GL_TRIANGLES, face.firstVertex, face.vertexCount);
  }
  glDepthMask(GL_TRUE);
  glDisable(GL_BLEND);
}

void PreviewRenderer::DrawOutline(const PreviewFrame& frame) {
  if (!frame.outline || frame.outline->empty()) return;
  const QOpenGLVertexArrayObject::Binder bind(&lineArray_);
  lineBuffer_.bind();
  lineBuffer_.allocate(frame.outline->data(), int(frame.outline->size() * sizeof(Vec3)));
  program_.setUniformValue("textured", false);
  program_.setUniformValue("colour", 1.0f, 0.0f, 0.0f, 1.0f);  // the map view's selection red
  glDrawArrays(GL_LINES, 0, GLsizei(frame.outline->size()));
}

}  // namespace tessmoor
