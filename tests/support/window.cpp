#include "support/window.h"

#include <QLabel>
#include <QTest>

float ScriptedRandom::next() {
    ++draws;
    if (!script.empty()) {
        const float x = script.front();
        script.pop_front();
        return x;
    }
    return float(engine_() >> 8) * (1.0f / 16777216.0f);
}

void ScriptedRandom::pushSquares(std::initializer_list<int> squares) {
    for (int n : squares)
        push(forSquare(n));
}

Window::Window() : Window(std::make_unique<ScriptedRandom>()) {}

Window::Window(std::unique_ptr<forms::RandomSource> source, bool shown)
    : w(std::make_unique<Lautari>()), random(dynamic_cast<ScriptedRandom*>(source.get())) {
    w->setRandomSource(std::move(source));
    if (shown) w->show();
}

Window::~Window() = default;

void Window::lay(const char* board) {
    for (Sq s : kRuudut) {
        forms::PictureBox& box = w->ruutu(s);
        switch (board[s]) {
        case 'X':
            box.setTag(kRisti.toString());
            box.setPictureFrom(*w->Risti);
            break;
        case 'O':
            box.setTag(kNolla.toString());
            box.setPictureFrom(*w->Nolla);
            break;
        default:
            box.setTag(QString());
            box.clearPicture();
        }
    }
}

QString Window::board() const {
    QString out;
    for (Sq s : kRuudut) {
        const forms::PictureBox& box = w->ruutu(s);
        const bool cross =
            box.tag() == kRisti && box.picture().cacheKey() == w->Risti->picture().cacheKey();
        const bool nought =
            box.tag() == kNolla && box.picture().cacheKey() == w->Nolla->picture().cacheKey();
        const bool empty = box.tag().isEmpty() && !box.hasPicture();
        out += cross ? u'X' : nought ? u'O' : empty ? u'.' : u'?';
    }
    return out;
}

void Window::chooseLevel(int level) {
    std::optional<forms::MenuItem>* items[] = {&w->MnuHelppo, &w->MnuKeskitaso, &w->MnuVaikea};
    (*items[level - 1])->click();
}

void Window::click(Sq s) { QTest::mouseClick(&w->ruutu(s), Qt::LeftButton); }

void Window::clickAll(std::initializer_list<Sq> squares) {
    for (Sq s : squares)
        click(s);
}

QString Window::visibleSegments() const {
    QStringList out;
    for (int L = 1; L <= 8; ++L)
        for (int n = 1; n <= 3; ++n)
            if (w->Viiva(L, n).isVisible()) out << QStringLiteral("Viiva%1%2").arg(L).arg(n);
    return out.join(u' ');
}

QString Window::counters() const {
    auto row = [](const char* name, const std::array<QLabel*, 3>& labels) {
        return QString::fromLatin1(name) + u' ' + labels[0]->text() + u' ' + labels[1]->text() +
               u' ' + labels[2]->text();
    };
    return QStringList{row("Voitot", w->Voitot), row("Tp", w->Tp), row("Haviot", w->Haviot)}.join(
        QStringLiteral(" | "));
}

int Window::finishedGames() const {
    int n = 0;
    for (const auto* table : {&w->Voitot, &w->Tp, &w->Haviot})
        for (const QLabel* label : *table)
            n += label->text().toInt();
    return n;
}

QString Window::status() const { return w->RnTeksti->text(); }

int Window::enabledSquares() const {
    int n = 0;
    for (Sq s : kRuudut)
        n += w->ruutu(s).isEnabled();
    return n;
}

bool Window::boardLocked() const { return enabledSquares() == 0; }
bool Window::boardOpen() const { return enabledSquares() == 9; }

Sq squareNamed(const QString& name) {
    for (Sq s : kRuudut)
        if (name == kRuutujenNimet[s]) return s;
    qFatal("no square %s", qPrintable(name));
}
