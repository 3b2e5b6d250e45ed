#pragma once
// One editor per user and display: a second start hands its maps to the
// editor already running, which opens them in new tabs, and ends. The two
// meet at a local socket named after the user's runtime folder and the display.

#include <QByteArrayList>
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace tessmoor {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(QObject* parent = nullptr);
  ~SingleInstance() override;

  // For this user and display; two logins or two X servers never meet.
  static QString DefaultName();
  // Hands `paths` (file names as the system's bytes; none for "just show
  // yourself") to the editor listening at `name`. True once it has taken them.
  static bool HandOver(const QString& name, const QByteArrayList& paths);

  // Listens at `name`, taking over a socket left by an editor that died;
  // `open` gets what each later start hands over. False when that fails.
  bool Listen(const QString& name, std::function<void(const QByteArrayList&)> open);

  static constexpr int HandOverMilliseconds = 3000;

 private:
  void Serve();

  QLocalServer* server_;
  std::function<void(const QByteArrayList&)> open_;
};

}  // namespace tessmoor
