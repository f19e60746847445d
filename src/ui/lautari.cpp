// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its controls, its fixed size and its menu bar.
#include "ui/lautari.h"

#include "forms/accessible.h"
#include "forms/colour.h"
#include "forms/font.h"
#include "forms/label.h"
#include "forms/style.h"
#include "forms/twips.h"
#include "game/lines.h"
#include "ui/frmabout.h"
#include "ui/ikoni.h"
#include "ui/layout.h"
#include "ui/ohje.h"
#include "ui/tekstit.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>

using forms::px;
using forms::pxF;

namespace {

// A mark's image with its sharper renderings for dense screens: the 2x one
// comes along by its @2x name where the screen is dense; the 1.5x one is
// added only there, so that a common screen decodes one image per mark.
QIcon merkinKuva(const char* nimi) {
    QIcon kuva(QStringLiteral(":/assets/%1.png").arg(QLatin1String(nimi)));
    if (qApp->devicePixelRatio() > 1)
        kuva.addFile(QStringLiteral(":/assets/%1-225.png").arg(QLatin1String(nimi)));
    return kuva;
}

} // namespace

Lautari::Lautari(QWidget* parent)
    : QMainWindow(parent), random_(std::make_unique<forms::ClockRandom>()) {
    setObjectName(QStringLiteral("Lautari"));
    setWindowTitle(teksti::kIkkuna.toString());
    setWindowIcon(ohjelmanIkoni());
    // The desktop entry the window belongs to, for the desktop to show its
    // name and icon (on Wayland, the window's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(LAUTARI_APP_ID));
    forms::installAccessibility();
    forms::followDesktopStyle();
    setFont(forms::classicFont(8));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setFixedSize(px(layout::kClientWidth), px(layout::kClientHeight));
    setCentralWidget(client);
    luoRuudukko(client);
    luoTulostaulu(client);
    news_ = new forms::News(this, RnTeksti, teksti::kUusiPeli.toString());
    luoValikot();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();

    Form_Load();
}

Lautari::~Lautari() = default;

void Lautari::luoRuudukko(QWidget* client) {
    const int koko = px(layout::kRuutu);
    for (Sq s : kRuudut) {
        auto* box = new forms::PictureBox(client);
        box->setObjectName(kRuutujenNimet[s].toString());
        box->setGeometry(px(layout::kRuudukonPaikat[s % 3]), px(layout::kRuudukonPaikat[s / 3]),
                         koko, koko);
        box->setFocusPolicy(Qt::StrongFocus);
        ruudut_[s] = box;
    }
    // The squares come first in the focus order, a1 to c3.
    for (int i = 1; i < 9; ++i)
        setTabOrder(ruudut_[i - 1], ruudut_[i]);

    for (Sq s : kRuudut) {
        forms::PictureBox* box = ruudut_[s];
        connect(box, &forms::PictureBox::clicked, this, kKlikkaukset[s]);
        connect(box, &forms::PictureBox::arrowKey, this,
                [this, s](int dx, int dy) { siirraFokus(s, dx, dy); });
        // Screen readers hear the square's place and what it holds.
        auto nimea = [box, s] {
            const QString& merkki = box->tag();
            const bool merkitty = merkki == kRisti || merkki == kNolla;
            box->setAccessibleName(kRuutujenNimet[s].toString() + QStringLiteral(": ") +
                                   (merkitty ? merkki : teksti::kTyhja.toString()));
        };
        connect(box, &forms::PictureBox::tagChanged, box, nimea);
        nimea();
        // A mark placed is news; a mark wiped by a new game is not.
        connect(box, &forms::PictureBox::tagChanged, this, [this, box] {
            if (!box->tag().isEmpty()) news_->marked(box);
        });
    }

    for (const layout::Segmentti& seg : layout::kSegmentit) {
        forms::PictureBox* host = ruudut_[kLinjat[seg.L - 1][seg.n - 1]];
        Viiva(seg.L, seg.n).place(host, QLineF(pxF(seg.x1), pxF(seg.y1), pxF(seg.x2), pxF(seg.y2)));
    }

    // The holders are never shown: windows of their own that never open, so
    // that they stay out of the window's controls as screen readers see them.
    auto pidike = [&](const char* nimi, const char* kuva, int left) {
        auto* box = new forms::PictureBox(this);
        box->setWindowFlags(Qt::Window);
        box->setObjectName(QString::fromLatin1(nimi));
        box->setGeometry(px(left), px(layout::kPidikeTop), koko, koko);
        box->setPicture(merkinKuva(kuva));
        return box;
    };
    Nolla = pidike("Nolla", "nolla", layout::kNollaLeft);
    Risti = pidike("Risti", "risti", layout::kRistiLeft);
}

void Lautari::luoTulostaulu(QWidget* client) {
    using namespace layout;
    auto kentta = [client](const char* nimi, QStringView teksti, QRect twips, Qt::Alignment tasaus,
                           bool upotettu) {
        auto* label = new forms::Label(client, teksti.toString(), tasaus, upotettu);
        label->setObjectName(QString::fromLatin1(nimi));
        label->setGeometry(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
        return label;
    };
    std::array<QLabel*, 3>* laskurit[] = {&Voitot, &Tp, &Haviot};
    for (int t = 0; t < 3; ++t) {
        const Taulukko& taulukko = kTaulukot[t];
        kentta(taulukko.nimet[0], taulukko.otsikko,
               {kOtsikkoLeft, taulukko.top, kOtsikkoWidth, taulukko.korkeus},
               Qt::AlignHCenter | Qt::AlignTop, false)
            ->setFont(forms::classicFont(18));
        for (int taso = 0; taso < 3; ++taso) {
            const int top = taulukko.ekaRivi + taso * kRiviVali;
            kentta(taulukko.nimet[taso + 1], teksti::kTasot[taso],
                   {kTasoLeft, top, kTasoWidth, kRiviKorkeus}, Qt::AlignVCenter | Qt::AlignRight,
                   false);
            forms::Label* laskuri = kentta(taulukko.laskurit[taso], teksti::kAlussa,
                                           {kLaskuriLeft, top, kLaskuriWidth, kRiviKorkeus},
                                           Qt::AlignVCenter | Qt::AlignLeft, true);
            // Screen readers hear a counter as "Voitot, Helppo: 3".
            laskuri->setSpokenPrefix(
                QStringLiteral("%1, %2").arg(taulukko.otsikko, teksti::kTasot[taso]));
            (*laskurit[t])[taso] = laskuri;
        }
    }
    forms::Label* tila = kentta("RnTeksti", {}, {kTilaLeft, kTilaTop, kTilaWidth, kTilaHeight},
                                Qt::AlignVCenter | Qt::AlignHCenter, true);
    tila->setStatusLine(true);
    RnTeksti = tila;
}

void Lautari::luoValikot() {
    auto valikko = [this](const char* nimi, QStringView otsikko) {
        QMenu* menu = menuBar()->addMenu(otsikko.toString());
        menu->setObjectName(QString::fromLatin1(nimi));
        connect(menu, &QMenu::aboutToHide, this, &Lautari::palaaValikosta);
        return menu;
    };
    auto kohta = [this](std::optional<forms::MenuItem>& item, QMenu* menu, const char* nimi,
                        QStringView otsikko, bool merkitty, void (Lautari::*kasittelija)()) {
        item.emplace(menu, QString::fromLatin1(nimi), otsikko.toString(), merkitty,
                     [this, kasittelija] { (this->*kasittelija)(); });
    };
    using namespace teksti;

    QMenu* tiedosto = valikko("MnuTiedosto", kTiedosto);
    kohta(MnuUusi, tiedosto, "MnuUusi", kUusi, false, &Lautari::MnuUusi_Click);
    MnuUusi->setShortcut(QKeySequence(Qt::Key_F2));
    kohta(MnuTietoja, tiedosto, "MnuTietoja", kTietoja, false, &Lautari::MnuTietoja_Click);
    tiedosto->addSeparator()->setObjectName(QStringLiteral("Sep2"));
    kohta(MnuLopeta, tiedosto, "MnuLopeta", kLopeta, false, &Lautari::MnuLopeta_Click);

    QMenu* vaikeus = valikko("MnuVaikeus", kVaikeusTaso);
    kohta(MnuHelppo, vaikeus, "MnuHelppo", kTasot[0], true, &Lautari::MnuHelppo_Click);
    kohta(MnuKeskitaso, vaikeus, "MnuKeskitaso", kTasot[1], true, &Lautari::MnuKeskitaso_Click);
    kohta(MnuVaikea, vaikeus, "MnuVaikea", kTasot[2], true, &Lautari::MnuVaikea_Click);
    MnuKeskitaso->setChecked(true);

    QMenu* pelaajia = valikko("MnuPelaajia", kPelaajia);
    kohta(Mnu1Pelaaja, pelaajia, "Mnu1Pelaaja", k1Pelaaja, true, &Lautari::Mnu1Pelaaja_Click);
    kohta(Mnu2Pelaajaa, pelaajia, "Mnu2Pelaajaa", k2Pelaajaa, true, &Lautari::Mnu2Pelaajaa_Click);
    Mnu1Pelaaja->setChecked(true);

    QMenu* aloittaja = valikko("MnuAloittaja", kAloittaja);
    kohta(MnuPelaaja, aloittaja, "MnuPelaaja", kAloittajaPelaaja, true, &Lautari::MnuPelaaja_Click);
    kohta(MnuTietokone, aloittaja, "MnuTietokone", kAloittajaTietokone, true,
          &Lautari::MnuTietokone_Click);
    MnuPelaaja->setChecked(true);

    qApp->installEventFilter(this);
}

// The opened menu's highlighted item reads on any desktop's colours, again
// whenever they change.
void Lautari::varitaValikot() {
    forms::readableHighlight(menuBar(), this);
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        forms::readableHighlight(menu, this);
}

// The menu bar holds the focus while it is used from the keyboard, so that
// moving from one menu to the next does not bring a screen reader back to the
// square behind them for a moment.
void Lautari::avaaValikko() {
    if (!valikostaFokus_) valikostaFokus_ = QApplication::focusWidget();
    menuBar()->setFocus(Qt::MenuBarFocusReason);
    menuBar()->setActiveAction(menuBar()->actions().constFirst());
}

// Once no menu is open and the menu bar is left, the focus goes back to where
// it was. Where a menu command opened a box, the box takes the keys, and the
// square gets the focus back only as this window loses them: unheard, so that
// a screen reader does not tell the square between the menu and the box.
void Lautari::palaaValikosta() {
    if (!valikostaFokus_) return; // the menu bar was not opened from the keyboard
    QTimer::singleShot(0, this, [this] {
        if (!valikostaFokus_ || QApplication::activePopupWidget() || menuBar()->activeAction())
            return;
        if (!laatikolle_ || !isActiveWindow()) palautaFokus();
    });
}

void Lautari::palautaFokus() {
    laatikolle_ = false;
    if (valikostaFokus_ && (!focusWidget() || focusWidget() == menuBar()))
        valikostaFokus_->setFocus(Qt::MenuBarFocusReason);
    valikostaFokus_ = nullptr;
}

// F1 opens the Finnish rules, F2 starts a new game and F10 opens the menu
// bar. They are taken as keys, in turn with the others, not as shortcuts: Qt
// acts on a shortcut as soon as it comes, ahead of keys that its bridge still
// holds for a screen reader, and a space pressed just before F2 would play on
// the new board.
bool Lautari::toiminto(const QKeyEvent& key) {
    if (key.modifiers() != Qt::NoModifier) return false;
    if (key.key() == Qt::Key_F1 || key.key() == Qt::Key_F2 || key.key() == Qt::Key_F10) {
        if (key.type() == QEvent::KeyPress)
            key.key() == Qt::Key_F1   ? avaaOhje(this)
            : key.key() == Qt::Key_F2 ? MnuUusi->click()
                                      : avaaValikko();
        return true;
    }
    return false;
}

// Alt pressed and released alone opens the menu bar, as F10 does. A menu
// that the style has just polished, which may have set its colours, has them
// made readable again.
bool Lautari::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::Polish && (watched == menuBar() || watched->parent() == menuBar()))
        forms::readableHighlight(static_cast<QWidget*>(watched), this);
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease ||
         type == QEvent::ShortcutOverride) &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (type != QEvent::KeyRelease && toiminto(*key)) {
            key->accept();
            return true;
        }
        if (type == QEvent::ShortcutOverride) return QMainWindow::eventFilter(watched, event);
        if (type == QEvent::KeyPress) laatikolle_ = false; // no box took the keys
        palaaValikosta();
        if (type == QEvent::KeyPress)
            altYksin_ = key->key() == Qt::Key_Alt && !key->isAutoRepeat();
        else if (key->key() == Qt::Key_Alt && altYksin_) {
            altYksin_ = false;
            avaaValikko();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The arrow keys move the focus across the grid; it stops at the edges.
void Lautari::siirraFokus(Sq s, int dx, int dy) {
    const int sarake = std::clamp(s % 3 + dx, 0, 2), rivi = std::clamp(s / 3 + dy, 0, 2);
    ruudut_[rivi * 3 + sarake]->setFocus(Qt::TabFocusReason);
}

// The window keeps one size; a resize by any means is undone.
void Lautari::Form_Resize() {
    const QSize koko = minimumSize();
    if (koko.isEmpty()) return;
    if (width() != koko.width()) resize(koko.width(), height());
    if (height() != koko.height()) resize(width(), koko.height());
}

void Lautari::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Lautari::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
    if (event->type() == QEvent::PaletteChange) varitaValikot();
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && laatikolle_)
        palautaFokus();
}
