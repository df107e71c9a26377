// SPDX-FileCopyrightText: 2026 The Veltrane developers
//
// SPDX-License-Identifier: MIT

#include "platform/TerminationSignals.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};

// The self-pipe: the handler writes a byte, the event loop reads it.
int g_pipe[2] = {-1, -1};
std::array<struct sigaction, kSignals.size()> g_previous{};

extern "C" void onTerminationSignal(int signalNumber)
{
    // Nothing but async-signal-safe calls in here.
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    // A full pipe already holds a request; losing this one loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

bool setFlags(int fd, int fdFlags, int statusFlags)
{
    return ::fcntl(fd, F_SETFD, ::fcntl(fd, F_GETFD) | fdFlags) == 0 &&
           ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | statusFlags) == 0;
}

} // namespace
#endif

namespace platform {

TerminationSignals::TerminationSignals(std::function<void()> onRequest, QObject* parent)
    : QObject(parent), m_onRequest(std::move(onRequest))
{
#ifdef Q_OS_UNIX
    if (g_pipe[0] != -1)
        return; // another object catches them already
    if (::pipe(g_pipe) != 0)
        return;
    if (!setFlags(g_pipe[0], FD_CLOEXEC, O_NONBLOCK) || !setFlags(g_pipe[1], FD_CLOEXEC, O_NONBLOCK)) {
        ::close(g_pipe[0]);
        ::close(g_pipe[1]);
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readRequests);

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kSignals)
        sigaddset(&action.sa_mask, signalNumber);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &g_previous[i]);
#endif
}

TerminationSignals::~TerminationSignals()
{
#ifdef Q_OS_UNIX
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
#endif
}

void TerminationSignals::readRequests()
{
#ifdef Q_OS_UNIX
    // Several signals at once are one request.
    char bytes[16];
    bool any = false;
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0)
        any = true;
    if (any && m_onRequest)
        m_onRequest();
#endif
}

} // namespace platform
