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
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(kAktivieren);
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::lausche(std::function<void()> aktivieren) {
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
                     [server = server_.get(), aktivieren = std::move(aktivieren)] {
                         while (QLocalSocket* socket = server->nextPendingConnection()) {
                             QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                              &QObject::deleteLater);
                             auto lies = [socket, aktivieren] {
                                if (socket->canReadLine() && socket->readLine().startsWith("activate"))
                                    aktivieren();
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
