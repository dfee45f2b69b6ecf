// One console per user: the first start listens on a local socket named
// after the application and the user's id; a later start connects to it, asks
// the first to bring its window forward, and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

class KV_SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit KV_SingleInstance(const QString &name, QObject *parent = nullptr);
    ~KV_SingleInstance() override;

    // The socket's name for this user.
    static QString NameForUser(const QString &applicationName);

    // True when this process is the first: it now listens. False when
    // another instance answered; it has been asked to show its window.
    bool claim();

signals:
    // Another start asked this instance to show its window.
    void raiseRequested();

private:
    bool askRunningInstance();

    QString name_;
    QLocalServer *server_ = nullptr;
};

// Restores a minimised window, raises it and gives it the focus.
class QWidget;
void KV_BringToFront(QWidget *window);
