#include "single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace {

constexpr char RaiseRequest[] = "raise\n";
constexpr int WaitMs = 1000;

} // namespace

KV_SingleInstance::KV_SingleInstance(const QString &name, QObject *parent)
    : QObject(parent), name_(name)
{
}

KV_SingleInstance::~KV_SingleInstance() = default;

QString KV_SingleInstance::NameForUser(const QString &applicationName)
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return applicationName + u'-' + user;
}

bool KV_SingleInstance::askRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(WaitMs))
        return false;
    socket.write(RaiseRequest);
    socket.waitForBytesWritten(WaitMs);
    // The first instance closes the connection once it has read the request.
    socket.waitForDisconnected(WaitMs);
    return true;
}

bool KV_SingleInstance::claim()
{
    if (askRunningInstance())
        return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Nobody answered, so the name is left over from a process that
        // ended without closing it.
        QLocalServer::removeServer(name_);
        server_->listen(name_);
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains("raise"))
                    emit raiseRequested();
                peer->disconnectFromServer();
            });
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    return true;
}

void KV_BringToFront(QWidget *window)
{
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}
