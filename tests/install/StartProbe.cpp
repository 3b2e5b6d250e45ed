// A Qt plugin the install test loads into an unmodified TMEdit
// (QT_QPA_GENERIC_PLUGINS=tmstartprobe:<folder>). Once the editor has started and
// opened its map it writes the main window's caption and a picture of it into the
// folder and quits; a message box on the way (a picture, a symbol or the map that
// did not load) is written instead, and the editor exits with status 3.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGenericPlugin>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>

namespace tessmoor {

class StartProbe : public QObject {
 public:
  explicit StartProbe(QString folder) : folder_(std::move(folder)) {
    // Every box the editor shows runs its own event loop, so the timer still fires.
    connect(&timer_, &QTimer::timeout, this, &StartProbe::Look);
    timer_.start(100);
  }

 private:
  void Look() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
        Write("message.txt", box->text().toUtf8());
        // The box's own loop would end, and the editor's main loop start afresh.
        std::_Exit(3);
      }
    }
    // A few turns of the event loop after the window shows, so queued messages appear first.
    auto* main = FindMainWindow();
    if (!main || ++turnsShown_ < 5) return;
    timer_.stop();
    Write("caption.txt", main->windowTitle().toUtf8());
    main->grab().save(folder_ + "/window.png");
    QApplication::exit(0);
  }

  static QMainWindow* FindMainWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* main = qobject_cast<QMainWindow*>(window); main && main->isVisible()) return main;
    }
    return nullptr;
  }

  void Write(const QString& name, const QByteArray& text) {
    QFile file(folder_ + "/" + name);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
  }

  QString folder_;
  QTimer timer_;
  int turnsShown_ = 0;
};

class StartProbePlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "StartProbe.json")
 public:
  QObject* create(const QString& key, const QString& folder) override {
    if (key.toLower() != "tmstartprobe") return nullptr;
    return new StartProbe(folder);
  }
};

}  // namespace tessmoor

#include "StartProbe.moc"
