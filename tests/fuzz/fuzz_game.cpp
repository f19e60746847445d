// SPDX-License-Identifier: GPL-3.0-or-later
// Coverage-guided fuzzing of the real window: the input becomes a sequence of
// clicks and menu commands, and the values the random source returns. After
// every event the referee checks what must always hold.
#include "support/referee.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Random values from the input; once it runs out, the squares in turn, so
// that a random move always finds a free square in the end.
class InputRandom final : public forms::RandomSource {
public:
    explicit InputRandom(FuzzedDataProvider& input) : input_(input) {}
    void reseedFromClock() override {}
    float next() override {
        if (input_.remaining_bytes() > 0) return input_.ConsumeIntegral<std::uint8_t>() / 256.0f;
        return (float(cycle_++ % 9) + 0.5f) / 9.0f;
    }

private:
    FuzzedDataProvider& input_;
    unsigned cycle_ = 0;
};

} // namespace

// The application lives as long as the process: destroyed by exit(), it
// would outlive Qt's own globals.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(*argc, *argv);
    Q_UNUSED(app);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Window w(std::make_unique<InputRandom>(input), false);
    Referee referee(w);
    while (input.remaining_bytes() > 0) {
        const QString& event = kEvents[input.ConsumeIntegralInRange<int>(0, 18)];
        const QString broke = referee.apply(event);
        if (!broke.isEmpty()) {
            std::fprintf(stderr, "invariant broken after %s: %s\n", qPrintable(event),
                         qPrintable(broke));
            std::abort();
        }
    }
    return 0;
}
