#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for the download tests: it keeps every request it gets
// and answers HEAD and GET as the test sets them up, late or never if asked to.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace telvo::test {

class LoopbackHttpServer {
public:
    struct Answer {
        int status = 200;
        QByteArray body;     // sent with a GET; a HEAD gets its length only
        QByteArray headers;  // extra header lines, each ending in \r\n
        bool silent = false; // never answered
        int delayMs = 0;     // answered this much later
    };
    struct Request {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names in lower case
    };

    LoopbackHttpServer() {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { read(s); });
                QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }

    // The server's address with nothing after the port.
    QUrl base() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()));
    }
    bool listening() const { return server_.isListening(); }

    Answer head;
    Answer get;
    QList<Request> requests;

private:
    void read(QTcpSocket* s) {
        QByteArray& buffer = buffers_[s];
        buffer += s->readAll();
        for (;;) {
            const qsizetype end = buffer.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QList<QByteArray> lines = buffer.left(end).split('\n');
            buffer.remove(0, end + 4);
            Request r;
            const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
            r.method = first.value(0);
            r.path = first.value(1);
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype colon = lines[i].indexOf(':');
                if (colon > 0)
                    r.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                     lines[i].mid(colon + 1).trimmed());
            }
            requests.append(r);
            answer(s, r.method == "HEAD" ? head : get, r.method == "HEAD");
        }
    }

    static void answer(QTcpSocket* s, const Answer& a, bool isHead) {
        if (a.silent)
            return;
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(a.status) +
                           (a.status == 200 ? " OK" : " Not Found") + "\r\n";
        reply += "Content-Type: application/zip\r\n";
        reply += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
        reply += a.headers + "\r\n";
        if (!isHead)
            reply += a.body;
        QPointer<QTcpSocket> socket(s);
        auto send = [socket, reply] {
            if (socket)
                socket->write(reply);
        };
        if (a.delayMs > 0)
            QTimer::singleShot(a.delayMs, s, send);
        else
            send();
    }

    QTcpServer server_;
    QMap<QTcpSocket*, QByteArray> buffers_;
};

} // namespace telvo::test
