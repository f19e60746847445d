#pragma once

#include "ui/lautari.h"

#include <QString>
#include <deque>
#include <memory>
#include <random>

// A random source that hands out scripted values first and then, when the
// script runs out, values from a fixed-seed generator. It counts reseeds and
// draws so that tests can see how the game used it.
class ScriptedRandom final : public forms::RandomSource {
public:
    explicit ScriptedRandom(std::uint32_t seed = 1) : engine_(seed) {}

    void reseedFromClock() override { ++reseeds; }
    float next() override;

    // The value that draws square n (1..9): floor(9x) + 1 = n.
    static float forSquare(int n) { return (float(n) - 0.5f) / 9.0f; }
    void push(float x) { script.push_back(x); }
    void pushSquares(std::initializer_list<int> squares);

    std::deque<float> script;
    int reseeds = 0;
    int draws = 0;

private:
    std::mt19937 engine_;
};

// The game window, shown offscreen, with a scripted random source.
struct Window {
    Window();
    // With a random source of the caller's (`random` is then null); a window
    // that is not shown still takes clicks and keys, and costs less.
    explicit Window(std::unique_ptr<forms::RandomSource> source, bool shown = true);
    ~Window();

    Lautari* operator->() { return w.get(); }
    Lautari& operator*() { return *w; }

    // Lays marks and pictures from nine characters in the order a1..c3:
    // 'X' a cross, 'O' a nought, '.' a free square.
    void lay(const char* board);
    // The board in the same notation; a square whose mark and picture
    // disagree shows as '?'.
    QString board() const;
    int count(QChar mark) const { return board().count(mark); }

    // Chooses the level from its menu item.
    void chooseLevel(int level);
    // A real left-button click on the square's widget.
    void click(Sq s);
    void clickAll(std::initializer_list<Sq> squares);

    // The visible segments as "Viiva11 Viiva12 ...", in a1..c3 order of lines.
    QString visibleSegments() const;
    // The nine counters as "Voitot 0 0 0 | Tp 0 0 0 | Haviot 0 0 0".
    QString counters() const;
    // The sum of all nine counters.
    int finishedGames() const;
    QString status() const;
    bool boardLocked() const;
    bool boardOpen() const;
    int enabledSquares() const;

    std::unique_ptr<Lautari> w;
    ScriptedRandom* random;
};

Sq squareNamed(const QString& name);
