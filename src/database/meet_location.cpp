#include "database/meet_location.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>
#include <stdexcept>

namespace {

constexpr int HighestPort = 65535;

qsizetype schemeLength(const QString& text) {
    for (const QLatin1String scheme : {QLatin1String("postgresql://"), QLatin1String("postgres://")})
        if (text.startsWith(scheme, Qt::CaseInsensitive))
            return scheme.size();
    return 0;
}

[[noreturn]] void refuse(const QString& why) {
    throw std::invalid_argument(why.toStdString());
}

QString decoded(const QString& part) {
    const QString text = QUrl::fromPercentEncoding(part.toUtf8());
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            refuse(QStringLiteral("it holds a control character"));
    return text;
}

int portOf(const QString& text) {
    bool number = false;
    const int port = text.toInt(&number);
    if (!number || port < 1 || port > HighestPort)
        refuse(QStringLiteral("the port must be a number from 1 to %1, not %2").arg(HighestPort).arg(text));
    return port;
}

QString passwordRefusal() {
    return QStringLiteral("it holds a password; give the password in ~/.pgpass or PGPASSWORD instead");
}

} // namespace

MeetLocation MeetLocation::file(const QString& path) {
    MeetLocation location;
    location.m_text = path;
    return location;
}

bool MeetLocation::isServerUri(const QString& text) {
    return schemeLength(text) > 0;
}

MeetLocation MeetLocation::fromText(const QString& text) {
    return isServerUri(text) ? server(text) : file(text);
}

MeetLocation MeetLocation::server(const QString& uri) {
    const qsizetype scheme = schemeLength(uri);
    if (scheme == 0)
        refuse(QStringLiteral("it does not begin with postgresql://"));
    MeetLocation location;
    location.m_engine = Engine::Server;
    location.m_text = uri;

    QString rest = uri.mid(scheme);
    QString query;
    if (const qsizetype mark = rest.indexOf(u'?'); mark >= 0) {
        query = rest.mid(mark + 1);
        rest.truncate(mark);
    }
    if (const qsizetype slash = rest.indexOf(u'/'); slash >= 0) {
        location.m_database = decoded(rest.mid(slash + 1));
        rest.truncate(slash);
    }
    if (const qsizetype at = rest.lastIndexOf(u'@'); at >= 0) {
        const QString user = rest.left(at);
        if (user.contains(u':'))
            refuse(passwordRefusal());
        location.m_user = decoded(user);
        rest = rest.mid(at + 1);
    }
    if (rest.contains(u','))
        refuse(QStringLiteral("it names several servers; give one"));
    QString portText;
    if (rest.startsWith(u'[')) { // [IPv6 address]
        const qsizetype close = rest.indexOf(u']');
        if (close < 0)
            refuse(QStringLiteral("its server address lacks the closing ]"));
        location.m_host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(u':'))
            refuse(QStringLiteral("something follows the server address %1").arg(rest.left(close + 1)));
        portText = after.mid(1);
    } else {
        const qsizetype colon = rest.indexOf(u':');
        location.m_host = decoded(colon < 0 ? rest : rest.left(colon));
        if (colon >= 0)
            portText = rest.mid(colon + 1);
    }
    if (!portText.isEmpty())
        location.m_port = portOf(portText);

    static const QRegularExpression optionName(QStringLiteral("^[a-z_]+$"));
    for (const QString& pair : query.split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(u'=');
        if (equals < 0)
            refuse(QStringLiteral("the setting %1 has no value").arg(pair));
        const QString name = decoded(pair.left(equals));
        const QString value = decoded(pair.mid(equals + 1));
        if (name == QLatin1String("password"))
            refuse(passwordRefusal());
        else if (name == QLatin1String("host"))
            location.m_host = value;
        else if (name == QLatin1String("port"))
            location.m_port = portOf(value);
        else if (name == QLatin1String("dbname"))
            location.m_database = value;
        else if (name == QLatin1String("user"))
            location.m_user = value;
        else if (!optionName.match(name).hasMatch())
            refuse(QStringLiteral("%1 is no connection setting").arg(name));
        else if (value.contains(u';')) // Qt's driver takes ';' between its settings
            refuse(QStringLiteral("the value of %1 holds a semicolon").arg(name));
        else
            location.m_options.append({name, value});
    }
    if (location.m_host.contains(u','))
        refuse(QStringLiteral("it names several servers; give one"));
    if (location.m_database.isEmpty())
        refuse(QStringLiteral("it names no database: add /DATABASE after the server"));
    return location;
}

QString MeetLocation::uriProblem(const QString& uri) {
    try {
        server(uri);
    } catch (const std::invalid_argument& error) {
        return QStringLiteral("the server address %1 cannot be used: %2")
            .arg(uri, QString::fromStdString(error.what()));
    }
    return {};
}

QString MeetLocation::description() const {
    if (!onServer())
        return QDir::toNativeSeparators(m_text);
    // A host that is a folder names the server's socket on this computer.
    if (m_host.isEmpty() || m_host.startsWith(u'/'))
        return QStringLiteral("database %1 on the server on this computer").arg(m_database);
    const QString port = m_port > 0 ? u':' + QString::number(m_port) : QString();
    return QStringLiteral("database %1 on the server %2%3").arg(m_database, m_host, port);
}
