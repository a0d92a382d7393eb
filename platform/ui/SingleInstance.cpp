#include "platform/ui/SingleInstance.h"

#include <QFile>
#include <QLocalSocket>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace ui {

namespace {
constexpr char kAktivieren[] = "activate\n";
}

SingleInstance::SingleInstance(std::u16string_view key)
    : name_(QString::fromStdU16String(std::u16string(key)) + QStringLiteral("-") +
            QString::number(::getuid())) {}

SingleInstance::~SingleInstance() {
    if (sperre_ >= 0) ::close(sperre_);
}

bool SingleInstance::sperre(const std::filesystem::path& datei) {
    if (sperre_ >= 0) return true;
    const int fd = ::open(datei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    sperre_ = fd;
    return true;
}

bool SingleInstance::antwortet(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    const bool verbunden = socket.waitForConnected(timeoutMs);
    socket.abort();
    return verbunden;
}

bool SingleInstance::aktiviereLaufende(int timeoutMs) {
    return sende(std::string_view(kAktivieren, sizeof(kAktivieren) - 2), timeoutMs);
}

bool SingleInstance::sende(std::string_view zeile, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    QByteArray daten(zeile.data(), static_cast<qsizetype>(zeile.size()));
    daten.append('\n');
    socket.write(daten);
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::lausche(std::function<void()> aktivieren,
                             std::function<void(std::string_view)> nachricht) {
    server_ = std::make_unique<QLocalServer>();
    // Bound in place, so that a name in use makes listening fail: with access options Qt
    // binds elsewhere and renames the socket over the name, taking it from a copy that
    // answers on it. Only the user may connect; the permissions are set right after.
    server_->setSocketOptions(QLocalServer::NoOptions);
    if (!server_->listen(name_)) {
        if (antwortet(1000)) {
            server_.reset();
            return false;
        }
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_)) {
            server_.reset();
            return false;
        }
    }
    QFile::setPermissions(server_->fullServerName(), QFile::ReadOwner | QFile::WriteOwner);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [server = server_.get(), aktivieren = std::move(aktivieren),
                      nachricht = std::move(nachricht)] {
                         while (QLocalSocket* socket = server->nextPendingConnection()) {
                             QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                              &QObject::deleteLater);
                             auto lies = [socket, aktivieren, nachricht] {
                                 while (socket->canReadLine()) {
                                     const QByteArray zeile = socket->readLine().trimmed();
                                     if (zeile == "activate")
                                         aktivieren();
                                     else if (nachricht)
                                         nachricht(std::string_view(zeile.constData(),
                                                                    static_cast<std::size_t>(zeile.size())));
                                 }
                             };
                            QObject::connect(socket, &QLocalSocket::readyRead, socket, lies);
                            lies();  // what arrived before the connection was made
                         }
                     });
    return true;
}

bool SingleInstance::lauscht() const {
    return server_ && server_->isListening();
}

}  // namespace ui
