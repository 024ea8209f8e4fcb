#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Where a meet lives: the SQLite file in the program folder, or a database on a PostgreSQL
// server named by a URI in libpq's form:
//   postgresql://[user@][host][:port]/dbname[?host=/socket/dir&port=5433&sslmode=require...]
// The URI never carries a password: libpq finds one in ~/.pgpass or PGPASSWORD itself.
class MeetLocation {
public:
    enum class Engine { File, Server };

    MeetLocation() = default;
    static MeetLocation file(const QString& path);
    // The server a URI names. Throws std::invalid_argument saying what is wrong with it.
    static MeetLocation server(const QString& uri);
    // Why `uri` names no meet on a server, in words; empty when it does.
    static QString uriProblem(const QString& uri);
    static bool isServerUri(const QString& text);
    // A file path, or a server URI: the one text a connection is opened from.
    static MeetLocation fromText(const QString& text);

    Engine engine() const { return m_engine; }
    bool onServer() const { return m_engine == Engine::Server; }
    bool isEmpty() const { return m_text.isEmpty(); }

    // The file path, or the URI as given.
    QString text() const { return m_text; }
    QString path() const { return onServer() ? QString() : m_text; }

    // The parts of a server URI, as Qt's driver takes them; empty (port -1) when not given.
    QString host() const { return m_host; }
    int port() const { return m_port; }
    QString database() const { return m_database; }
    QString user() const { return m_user; }
    // Further connection settings (sslmode, connect_timeout...), in the URI's order.
    const QList<QPair<QString, QString>>& options() const { return m_options; }

    // Where the meet lives, for the user: the file's path, or database and server.
    QString description() const;

private:
    Engine m_engine = Engine::File;
    QString m_text;
    QString m_host;
    int m_port = -1;
    QString m_database;
    QString m_user;
    QList<QPair<QString, QString>> m_options;
};
