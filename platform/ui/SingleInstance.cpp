#include "platform/ui/SingleInstance.h"

#include <QLocalSocket>
#include <unistd.h>

namespace ui {

namespace {
constexpr char kAktivieren[] = "activate\n";
}

SingleInstance::SingleInstance(std::u16string_view key)
    : name_(QString::fromStdU16String(std::u16string(key)) + QStringLiteral("-") +
            QString::number(::getuid())) {}

SingleInstance::~SingleInstance() = default;

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
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        QLocalServer::removeServer(name_);
        if (!server_->listen(name_)) {
            server_.reset();
            return false;
        }
    }
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
