// SPDX-License-Identifier: GPL-3.0-or-later
// Coverage-guided fuzzing of the real window: each byte of the input names a
// click or a menu command; the computer's random values are the input read
// backwards, then the scripted source's fixed sequence. After every event the
// referee checks what must always hold.
#include "support/referee.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

// The application lives as long as the process: destroyed by exit(), it
// would outlive Qt's own globals.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(*argc, *argv);
    Q_UNUSED(app);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Window w(false);
    for (std::size_t i = size; i > 0; --i)
        w.random->script.push_back(float(data[i - 1]) / 256.0f);
    Referee referee(w);
    for (std::size_t i = 0; i < size; ++i) {
        const QString& event = kEvents[data[i] % kEvents.size()];
        const QString broke = referee.apply(event);
        if (!broke.isEmpty()) {
            std::fprintf(stderr, "invariant broken after %s: %s\n", qPrintable(event),
                         qPrintable(broke));
            std::abort();
        }
    }
    return 0;
}
