#include "single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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
    // The user id, not a name from the environment: that may be unset or
    // changed, and then two users would share one console.
#ifdef Q_OS_UNIX
    const QString user = QString::number(::getuid());
#else
    const QString user = qEnvironmentVariable("USERNAME");
#endif
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
