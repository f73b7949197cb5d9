// One command exchange through the program's link (SerialChannel + Adapter::writeCOM)
// against the raw round trip of the same bytes over the same pseudo-terminal.
#include "link/adapter.h"
#include "link/host.h"
#include "silent_host.h"
#include "link/serial_channel.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double medianMs(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Write the command, read until the prompt: the least any exchange can cost.
double rawRoundTripMs(int fd, const QByteArray& command)
{
    const auto start = Clock::now();
    if (write(fd, command.constData(), command.size()) != command.size())
        return -1;
    char buf[256];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 1000) <= 0)
            return -1;
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n <= 0)
            return -1;
        if (memchr(buf, '>', n))
            break;
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 500;

    QProcess sim;
    sim.start(QStringLiteral(TALMERO_SIM_PATH), {});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(10000)) {
        std::fprintf(stderr, "talmero-sim did not start\n");
        return 1;
    }
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    const QByteArray command = "ATI\r"; // answered by the adapter alone: no module time

    std::vector<double> raw;
    {
        const int fd = open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        if (fd < 0) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
            return 1;
        }
        for (int i = 0; i < rounds; ++i)
            raw.push_back(rawRoundTripMs(fd, command));
        close(fd);
    }

    std::vector<double> exchange;
    {
        SilentHost host;
        talmero::link::SerialChannel channel(path, 38400);
        channel.open();
        talmero::link::Adapter adapter(channel, host);
        for (int i = 0; i < rounds; ++i) {
            const auto start = Clock::now();
            const QString answer = adapter.writeCOM(QStringLiteral("ATI"), false);
            exchange.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            if (!answer.contains(QLatin1String("ELM"))) {
                std::fprintf(stderr, "unexpected answer: %s\n", qPrintable(answer));
                return 1;
            }
        }
    }
    sim.terminate();
    sim.waitForFinished();

    if (std::count(raw.begin(), raw.end(), -1.0) > 0) {
        std::fprintf(stderr, "raw round trip failed\n");
        return 1;
    }
    const double r = medianMs(raw);
    const double e = medianMs(exchange);
    std::printf("rounds:             %d\n", rounds);
    std::printf("raw round trip:     %.4f ms (median)\n", r);
    std::printf("writeCOM exchange:  %.4f ms (median)\n", e);
    std::printf("added by exchange:  %.4f ms\n", e - r);
    std::printf("ratio:              %.2f\n", e / r);
    std::printf("target:             added <= 0.1 ms: %s\n", (e - r) <= 0.1 ? "met" : "NOT met");
    return 0;
}
