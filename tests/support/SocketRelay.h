#pragma once
// A relay between the program and a test server's Unix socket that can break
// a connection around its next COMMIT, as a failing network would: before the
// server has it (the transaction is lost) or once the server has answered
// (the transaction landed, but the program never hears so).

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

class SocketRelay {
public:
    enum class Cut { Never, BeforeCommit, AfterCommit };

    // `serverDir` holds the server's socket for port 5432; the relay's own is
    // in dir(), for the same port.
    explicit SocketRelay(const QString& serverDir)
        : m_server(QFile::encodeName(serverDir + QStringLiteral("/.s.PGSQL.5432")))
    {
        m_listen = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un a = address(QFile::encodeName(m_dir.path() + QStringLiteral("/.s.PGSQL.5432")));
        if (m_listen < 0 || ::bind(m_listen, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0 ||
            ::listen(m_listen, 8) != 0 || ::pipe(m_stop) != 0)
            qFatal("relay socket");
        m_thread = std::thread([this] { acceptLoop(); });
    }
    ~SocketRelay()
    {
        (void)::write(m_stop[1], "x", 1);
        m_thread.join();
        for (std::thread& t : m_links)
            t.join();
        ::close(m_listen);
        ::close(m_stop[0]);
        ::close(m_stop[1]);
    }
    QString dir() const { return m_dir.path(); }
    // Applies to the next COMMIT sent through any connection, once.
    void cutNextCommit(Cut c) { m_cut = c; }
    bool cutDone() const { return m_cut == Cut::Never; }

private:
    static sockaddr_un address(const QByteArray& path)
    {
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        std::memcpy(a.sun_path, path.constData(), size_t(qMin<qsizetype>(path.size(), sizeof a.sun_path - 1)));
        return a;
    }
    static bool sendAll(int fd, const char* p, qsizetype n)
    {
        for (ssize_t w = 0; n > 0; p += w, n -= w)
            if ((w = ::send(fd, p, size_t(n), MSG_NOSIGNAL)) <= 0)
                return false;
        return true;
    }
    void acceptLoop()
    {
        for (;;) {
            pollfd fds[2] = {{m_listen, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
            if (::poll(fds, 2, -1) < 0 || fds[1].revents)
                return;
            const int client = ::accept(m_listen, nullptr, nullptr);
            const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const sockaddr_un a = address(m_server);
            if (client >= 0 && server >= 0 && ::connect(server, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0)
                m_links.emplace_back([this, client, server] { link(client, server); });
            else {
                ::close(client);
                ::close(server);
            }
        }
    }
    // Passes bytes both ways; the program's messages whole, one by one, so
    // that a COMMIT is seen before it is passed on.
    void link(int client, int server)
    {
        QByteArray pending;
        bool started = false; // the first message has no type byte
        char buf[65536];
        for (bool open = true; open;) {
            pollfd fds[3] = {{client, POLLIN, 0}, {server, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
            if (::poll(fds, 3, -1) < 0 || fds[2].revents)
                break;
            if (fds[1].revents) {
                const ssize_t n = ::recv(server, buf, sizeof buf, 0);
                open = n > 0 && sendAll(client, buf, n);
            }
            if (open && fds[0].revents) {
                const ssize_t n = ::recv(client, buf, sizeof buf, 0);
                open = n > 0;
                if (open)
                    pending.append(buf, n);
                for (qsizetype head = started ? 1 : 0; open && pending.size() >= head + 4;) {
                    const uchar* l = reinterpret_cast<const uchar*>(pending.constData() + head);
                    const qsizetype size = head + qsizetype((quint32(l[0]) << 24) | (l[1] << 16) | (l[2] << 8) | l[3]);
                    if (pending.size() < size)
                        break;
                    const bool commit = started && pending[0] == 'Q' && size == 12 &&
                                        std::memcmp(pending.constData() + 5, "COMMIT", 7) == 0;
                    const Cut cut = commit ? m_cut.exchange(Cut::Never) : Cut::Never;
                    if (cut == Cut::BeforeCommit)
                        open = false;
                    else
                        open = sendAll(server, pending.constData(), size);
                    if (open && cut == Cut::AfterCommit) {
                        // The answer is read, so the commit is done, and dropped.
                        pollfd answer{server, POLLIN, 0};
                        if (::poll(&answer, 1, 5000) > 0)
                            (void)::recv(server, buf, sizeof buf, 0);
                        open = false;
                    }
                    pending.remove(0, size);
                    started = true;
                    head = 1;
                }
            }
        }
        ::close(client);
        ::close(server);
    }

    QTemporaryDir m_dir;
    QByteArray m_server;
    int m_listen = -1;
    int m_stop[2] = {-1, -1};
    std::atomic<Cut> m_cut{Cut::Never};
    std::thread m_thread;
    std::vector<std::thread> m_links; // touched by the accepting thread only, joined after it
};
