#include "editor/main/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace tessmoor {

namespace {

// The answer that tells the new start its maps were taken.
const char Taken = '+';
// More than any sane number of files on one command line.
constexpr qsizetype MaxPaths = 4096;

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::Serve);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultName() {
  // A short name of a hash: a socket path must stay under about a hundred
  // bytes, and runtime folders can be long.
  QByteArray place = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).toUtf8();
  place += '\n' + QGuiApplication::platformName().toUtf8();
  place += '\n' + qgetenv("DISPLAY") + '\n' + qgetenv("WAYLAND_DISPLAY");
  const QByteArray hash = QCryptographicHash::hash(place, QCryptographicHash::Sha256).toHex().left(24);
  return "tessmoor-editor-" + QString::fromLatin1(hash);
}

bool SingleInstance::HandOver(const QString& name, const QByteArrayList& paths) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(HandOverMilliseconds)) return false;
  QByteArray message;
  QDataStream stream(&message, QIODevice::WriteOnly);
  stream << paths;
  socket.write(message);
  if (!socket.waitForBytesWritten(HandOverMilliseconds)) return false;
  // The running editor answers once it has the whole list.
  while (socket.bytesAvailable() < 1) {
    if (!socket.waitForReadyRead(HandOverMilliseconds)) return false;
  }
  return socket.read(1) == QByteArray(1, Taken);
}

bool SingleInstance::Listen(const QString& name, std::function<void(const QByteArrayList&)> open) {
  open_ = std::move(open);
  if (server_->listen(name)) return true;
  // Nobody answered there (HandOver failed), so the socket is a dead editor's.
  QLocalServer::removeServer(name);
  return server_->listen(name);
}

void SingleInstance::Serve() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      // The list may come in pieces: read it again from the start until it is whole.
      const QByteArray data = socket->peek(socket->bytesAvailable());
      QDataStream stream(data);
      qint32 count = 0;
      stream >> count;
      if (stream.status() != QDataStream::Ok) return;
      if (count < 0 || count > MaxPaths) {
        socket->abort();
        return;
      }
      QByteArrayList paths;
      QDataStream whole(data);
      whole >> paths;
      if (whole.status() != QDataStream::Ok) return;
      socket->readAll();
      socket->write(QByteArray(1, Taken));
      socket->flush();
      open_(paths);
    });
  }
}

}  // namespace tessmoor
