#include "fuzz_check.h"
#include "link/modules.h"
#include "sim/car.h"
#include "sim/elm327.h"

#include <QCoreApplication>

// Any bytes, in pieces of any size, through the virtual car's adapter with one fault
// switched on at one module or at the adapter. Latency and wire timing stay 0, so every
// answer is given inside receive() and nothing waits on the clock; a late answer is held
// and never comes within the run.
//
// Input: fault kind, fault place (a module of the module table, or the adapter), a byte
// for the switch mode, the switch position and the piece sizes, then the bytes sent.

using namespace talmero;
using namespace talmero::sim;

namespace {

// The output bound: the echo repeats each byte received at most once, and each CR runs
// at most one command. The longest answer of this car is a 20-byte message (the VIN or
// the calibration id from the engine module, a VIN block behind a response-pending
// note), at most four frame lines of 8 bytes behind a header ("7E8 " + 8 x "XX " + CR LF
// = 30 bytes), plus SEARCHING..., a reset banner, the blank line and the prompt: under
// 200 bytes.
constexpr qsizetype kMaxAnswer = 256;

constexpr int kFaultKinds = int(FaultKind::Ignore) + 1;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const auto& modules = link::Moduls();
    const FaultKind fault = FaultKind(data[0] % kFaultKinds);
    const size_t place = data[1] % (modules.size() + 1);
    const QString faulty = place < modules.size() ? car::qs(modules[place]->address) : Car::kAdapter;
    const uint8_t setup = data[2];

    qsizetype out = 0;
    {
        Car car;
        car.setFault(faulty, fault);
        car.setSwitchMedium(setup & 2);
        Elm327 elm(car, setup & 1 ? Elm327::SwitchMode::Manual : Elm327::SwitchMode::Auto);
        elm.setLatencyMs(0);
        elm.setBaudTiming(0);
        QObject::connect(&elm, &Elm327::output, [&out](const QByteArray& bytes) { out += bytes.size(); });

        const QByteArray input(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3));
        uint32_t pieces = 0x9E3779B9u ^ setup; // piece sizes 1 to 16
        qsizetype fed = 0;
        qsizetype lineEnds = 0;
        while (fed < input.size()) {
            pieces ^= pieces << 13;
            pieces ^= pieces >> 17;
            pieces ^= pieces << 5;
            const QByteArray piece = input.mid(fed, 1 + (pieces >> 4) % 16);
            elm.receive(piece);
            fed += piece.size();
            lineEnds += piece.count('\r');
            FUZZ_CHECK(out <= fed + lineEnds * kMaxAnswer);
        }
    }
    // A late adapter's timers outlive it until they expire; expired ones are let go here.
    QCoreApplication::processEvents();
    return 0;
}
