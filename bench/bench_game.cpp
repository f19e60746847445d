// SPDX-License-Identifier: GPL-3.0-or-later
// Headless figures: the computer's turn at each level, a whole one-player
// game through the click handlers, a new game, the win check, a click until
// its answer is painted, and memory over many games.
#include "position.h"
#include "ui/lautari.h"

#include <QApplication>

#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>

namespace {

using Clock = std::chrono::steady_clock;

// The window lives in main(), inside the application's lifetime.
Lautari* theWindow = nullptr;
position::ScriptedRandom* script = nullptr;
Lautari& window() { return *theWindow; }

void chooseLevel(int level) {
    std::optional<forms::MenuItem>* items[] = {&window().MnuHelppo, &window().MnuKeskitaso,
                                               &window().MnuVaikea};
    if (window().Vaikeus != level) (*items[level - 1])->click();
}

void click(Sq s) { QTest::mouseClick(&window().ruutu(s), Qt::LeftButton); }

// The computer's answer to a person's move, on positions met early, in the
// middle and late in a game. The board is laid again outside the timing.
void BM_ComputerTurn(benchmark::State& state) {
    static const char16_t* const positions[] = {u"X........", u"X...O...X", u"XOX.O..X."};
    Lautari& w = window();
    chooseLevel(int(state.range(0)));
    const QStringView board = positions[state.range(1)];
    for (auto _ : state) {
        state.PauseTiming();
        position::lay(w, board);
        w.PelinTila = kKaynnissa.toString();
        w.RuudukkoTaysi = false;
        script->pushSquares({0, 1, 2, 3, 4, 5, 6, 7, 8});
        state.ResumeTiming();
        w.TietokoneenVuoro();
    }
}
BENCHMARK(BM_ComputerTurn)->ArgsProduct({{1, 2, 3}, {0, 1, 2}})->ArgNames({"level", "position"});

// One whole game at Vaikea: the person clicks the squares in order.
void BM_OnePlayerGame(benchmark::State& state) {
    Lautari& w = window();
    chooseLevel(3);
    for (auto _ : state) {
        w.UusiPeli();
        for (int s = 0; s < 9 && w.PelinTila == kKaynnissa; ++s)
            (w.*kKlikkaukset[s])();
    }
}
BENCHMARK(BM_OnePlayerGame);

void BM_UusiPeli(benchmark::State& state) {
    Lautari& w = window();
    for (auto _ : state)
        w.UusiPeli();
}
BENCHMARK(BM_UusiPeli);

void BM_Tarkista(benchmark::State& state) {
    Lautari& w = window();
    position::lay(w, state.range(0) ? u"XXXOO...." : u"XOXXOOOXX");
    for (auto _ : state)
        w.Tarkista();
}
BENCHMARK(BM_Tarkista)->Arg(0)->Arg(1)->ArgName("won");

// A real click at Vaikea until the window has painted the answer; the 99th
// percentile of single clicks is reported beside the mean.
void BM_ClickUntilPainted(benchmark::State& state) {
    Lautari& w = window();
    chooseLevel(3);
    std::vector<double> us;
    for (auto _ : state) {
        state.PauseTiming();
        w.UusiPeli();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        const auto start = Clock::now();
        click(b2);
        w.repaint();
        us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(us.begin(), us.end());
    state.counters["p99_us"] = us[std::size_t(0.99 * double(us.size() - 1))];
}
BENCHMARK(BM_ClickUntilPainted)->Iterations(2000);

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Resident memory after 1,000 and after 100,000 finished games.
void BM_MemoryOverGames(benchmark::State& state) {
    Lautari& w = window();
    chooseLevel(1);
    auto play = [&](int games) {
        for (int g = 0; g < games; ++g) {
            w.UusiPeli();
            for (int s = 0; w.PelinTila == kKaynnissa; s = (s + 1) % 9)
                click(kRuudut[s]);
            QCoreApplication::sendPostedEvents();
        }
    };
    for (auto _ : state) {
        play(1000);
        const long after1k = residentKb();
        play(99000);
        const long after100k = residentKb();
        state.counters["rss_1k_KiB"] = double(after1k);
        state.counters["rss_100k_KiB"] = double(after100k);
        state.counters["growth_KiB"] = double(after100k - after1k);
    }
}
BENCHMARK(BM_MemoryOverGames)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Lautari w;
    auto source = std::make_unique<position::ScriptedRandom>();
    script = source.get();
    w.setRandomSource(std::move(source));
    w.show();
    theWindow = &w;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
