#pragma once
// Single-instance guard: the first instance of the program listens on a per-user local
// socket; a later start connects to it, asks it to come to the front, and then ends without
// showing anything.
#include <QObject>
#include <QString>

class QLocalServer;

namespace lumaro {

class TPBJustOne : public QObject {
    Q_OBJECT
public:
    // Performs the check at once.
    explicit TPBJustOne(QObject* parent = nullptr, const QString& serverName = defaultServerName());

    // True when another instance runs and was asked to come to the front; this one must end.
    bool anotherInstanceRuns() const { return another_; }

    // The per-user socket: "lumaro-instance" in the user's runtime directory.
    static QString defaultServerName();

signals:
    // A later start asked this instance to come to the front.
    void activationRequested();

private:
    bool askRunningInstance(const QString& serverName);
    void listen(const QString& serverName);
    void onConnection();

    QLocalServer* server_ = nullptr;
    bool another_ = false;
};

}  // namespace lumaro
