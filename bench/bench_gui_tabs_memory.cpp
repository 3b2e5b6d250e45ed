// What ten maps open in one window of tabs cost in memory, against one map:
// the resident memory of the process (VmRSS, after giving freed heap back) with
// one tab and with ten, each holding its own copy of the sample map and each
// shown once, at the window's own size and at 4K; and one map's own data as
// the model counts it (the document record, its texture pictures, its undo
// history and its view's zoomed pictures). Each size runs in a child process
// of its own, so one size's leftovers do not count against the other.
//
//   bench_gui_tabs_memory            (both sizes)
//   bench_gui_tabs_memory default|4k (one size, in this process)
#include <malloc.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "document/MapDocument.h"
#include "editor/main/EditorMainForm.h"
#include "editor/main/MapTabsWindow.h"
#include "support/ScriptedDialogs.h"
#include "view/ScaledPictures.h"

using namespace tessmoor;

namespace {

constexpr int MapCount = 10;

// A field of /proc/self/status in kB.
long StatusKb(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  }
  return -1;
}

// Lets every pending paint and deferred deletion run, then gives freed heap back.
void Settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  malloc_trim(0);
}

size_t ImageBytes(const HiColorImage& image) {
  return image.pixels ? size_t(image.width) * size_t(image.height) * sizeof(RGB555) : 0;
}

size_t TexturePictureBytes(const MapDocument& map) {
  size_t bytes = 0;
  for (int t = 0; t < map.textureCount; ++t) {
    for (const TextureFrame& frame : map.textures[size_t(t)].frames) bytes += ImageBytes(frame.thumbnail);
  }
  return bytes;
}

size_t ScaledPictureBytes(const ScaledPictureCache& cache) {
  size_t bytes = 0;
  for (const ScaledPictureCache::Level& level : cache.levels) {
    for (const auto& frames : level.frames) {
      for (const HiColorImage& image : frames) bytes += ImageBytes(image);
    }
    for (const HiColorImage& image : level.symbols) bytes += ImageBytes(image);
    for (const HiColorImage& image : level.cellPictures) bytes += ImageBytes(image);
  }
  return bytes;
}

double Mb(double kb) { return kb / 1024.0; }

int MeasureOneSize(bool fourK) {
  QTemporaryDir maps;
  if (!maps.isValid()) return 1;
  std::vector<std::string> paths;
  for (int i = 1; i <= MapCount; ++i) {
    const QString path = maps.path() + QString("/Karte%1.tmm").arg(i, 2, 10, QChar('0'));
    if (!QFile::copy(QString(TM_BIN_DIR) + "/Maps/Sample.tmm", path)) return 1;
    paths.push_back(QFile::encodeName(path).toStdString());
  }
  ScriptedDialogs dialogs;
  auto window = std::make_unique<MapTabsWindow>(&dialogs, QString(TM_BIN_DIR));
  if (fourK) window->resize(3840, 2160);
  window->show();
  window->Current().OpenMapFile(paths[0]);
  Settle();
  const long oneTab = StatusKb("VmRSS");
  const long oneTabVirtual = StatusKb("VmSize");
  // Each opens current, so each view composes and paints at the window's size once.
  for (int i = 1; i < MapCount; ++i) {
    window->OpenInNewTab(paths[size_t(i)]);
    Settle();
  }
  const long tenTabs = StatusKb("VmRSS");
  const long tenTabsVirtual = StatusKb("VmSize");

  TFrmMain& tab = window->Current();
  const QWidget& view = tab.MapWidget();
  const size_t document = sizeof(MapDocument);
  const size_t pictures = TexturePictureBytes(tab.Document());
  const size_t history = tab.Model().History().MemoryUsed();
  const size_t zoomed = ScaledPictureBytes(tab.Session().MapView().scaledPictures);
  const double own = double(document + pictures + history + zoomed) / 1024.0;
  const size_t viewBuffer = size_t(view.width()) * size_t(view.height()) * 4;

  std::printf("window %dx%d, map view %dx%d, %d tabs of %s\n", window->width(), window->height(), view.width(),
              view.height(), window->TabCount(), "Sample.tmm copies");
  std::printf(
      "  one map's own data: %.2f MB (MapDocument %.2f MB, texture pictures %.2f MB, undo history %.2f MB, "
      "zoomed pictures %.2f MB)\n",
      Mb(own), document / 1048576.0, pictures / 1048576.0, history / 1048576.0, zoomed / 1048576.0);
  std::printf("  resident, one tab:  %8.1f MB   (virtual %8.1f MB)\n", Mb(oneTab), Mb(oneTabVirtual));
  std::printf("  resident, ten tabs: %8.1f MB   (virtual %8.1f MB)\n", Mb(tenTabs), Mb(tenTabsVirtual));
  std::printf("  each further tab:   %8.1f MB resident, %8.1f MB virtual\n", Mb(double(tenTabs - oneTab) / 9),
              Mb(double(tenTabsVirtual - oneTabVirtual) / 9));
  const double budget = oneTab + (MapCount - 1) * own;
  std::printf("  ten tabs / (one tab + nine maps' own data) = %.2f (goal: under 1.5)\n", tenTabs / budget);
  std::printf("  a view's 32-bit copy of its picture would be %.1f MB\n", viewBuffer / 1048576.0);
  window.reset();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::string size = argc >= 2 ? argv[1] : "";
  if (size.empty()) {
    const std::string self = QFile::decodeName(argv[0]).toStdString();
    const int defaultSize = std::system((self + " default").c_str());
    std::fflush(stdout);
    const int fourK = std::system((self + " 4k").c_str());
    return defaultSize == 0 && fourK == 0 ? 0 : 1;
  }
  // The editor writes settings: keep them away from the user's own.
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config"));
  qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data"));
  QApplication application(argc, argv);
  return MeasureOneSize(size == "4k");
}
