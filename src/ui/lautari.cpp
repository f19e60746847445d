// The main window: its controls, its fixed size and its menu bar.
#include "ui/lautari.h"

#include "forms/accessible.h"
#include "forms/font.h"
#include "forms/label.h"
#include "forms/twips.h"
#include "game/lines.h"
#include "ui/frmabout.h"
#include "ui/ikoni.h"
#include "ui/layout.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>

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
    setWindowTitle(QStringLiteral("Lautari -98 "));
    setWindowIcon(ohjelmanIkoni());
    forms::installAccessibility();
    setFont(forms::classicFont(8));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setFixedSize(px(layout::kClientWidth), px(layout::kClientHeight));
    setCentralWidget(client);
    luoRuudukko(client);
    luoTulostaulu(client);
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
                                   (merkitty ? merkki : QStringLiteral("tyhjä")));
        };
        connect(box, &forms::PictureBox::tagChanged, box, nimea);
        nimea();
    }

    for (const layout::Segmentti& seg : layout::kSegmentit) {
        forms::PictureBox* host = ruudut_[kLinjat[seg.L - 1][seg.n - 1]];
        Viiva(seg.L, seg.n).place(host, QLineF(pxF(seg.x1), pxF(seg.y1), pxF(seg.x2), pxF(seg.y2)));
    }

    Nolla = new forms::PictureBox(client);
    Nolla->setObjectName(QStringLiteral("Nolla"));
    Nolla->setGeometry(px(layout::kNollaLeft), px(layout::kPidikeTop), koko, koko);
    Nolla->setPicture(merkinKuva("nolla"));
    Nolla->hide();
    Risti = new forms::PictureBox(client);
    Risti->setObjectName(QStringLiteral("Risti"));
    Risti->setGeometry(px(layout::kRistiLeft), px(layout::kPidikeTop), koko, koko);
    Risti->setPicture(merkinKuva("risti"));
    Risti->hide();
}

void Lautari::luoTulostaulu(QWidget* client) {
    for (const layout::Kentta& k : layout::kKentat) {
        const bool upotettu = k.tyyli == layout::Tyyli::Laskuri || k.tyyli == layout::Tyyli::Tila;
        Qt::Alignment tasaus = Qt::AlignVCenter;
        switch (k.tyyli) {
        case layout::Tyyli::Otsikko:
            tasaus = Qt::AlignHCenter | Qt::AlignTop;
            break;
        case layout::Tyyli::Taso:
            tasaus |= Qt::AlignRight;
            break;
        case layout::Tyyli::Laskuri:
            tasaus |= Qt::AlignLeft;
            break;
        case layout::Tyyli::Tila:
            tasaus |= Qt::AlignHCenter;
            break;
        }
        auto* label = new forms::Label(client, QString::fromUtf8(k.teksti), tasaus, upotettu);
        label->setObjectName(QString::fromLatin1(k.nimi));
        label->setGeometry(px(k.left), px(k.top), px(k.width), px(k.height));
        if (k.tyyli == layout::Tyyli::Otsikko) label->setFont(forms::classicFont(18));

        const QString nimi = label->objectName();
        const int taso = nimi.back().digitValue();
        static const char* const kTasot[] = {"Helppo", "Keskitaso", "Vaikea"};
        auto laskuri = [&](std::array<QLabel*, 3>& taulu, const char* otsikko) {
            taulu[taso - 1] = label;
            label->setAccessibleName(QString::fromUtf8(otsikko) + QStringLiteral(", ") +
                                     QString::fromLatin1(kTasot[taso - 1]));
        };
        if (nimi.startsWith(u"Voitot")) laskuri(Voitot, "Voitot");
        if (nimi.startsWith(u"Tp")) laskuri(Tp, "Tasapelit");
        if (nimi.startsWith(u"Haviot")) laskuri(Haviot, "Häviöt");
        if (nimi == u"RnTeksti") {
            RnTeksti = label;
            label->setStatusLine(true);
        }
    }
}

void Lautari::luoValikot() {
    auto valikko = [this](const char* nimi, const char* otsikko) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(otsikko));
        menu->setObjectName(QString::fromLatin1(nimi));
        return menu;
    };
    auto kohta = [this](std::optional<forms::MenuItem>& item, QMenu* menu, const char* nimi,
                        const char* otsikko, bool merkitty, void (Lautari::*kasittelija)()) {
        item.emplace(menu, QString::fromLatin1(nimi), QString::fromUtf8(otsikko), merkitty,
                     [this, kasittelija] { (this->*kasittelija)(); });
    };

    QMenu* tiedosto = valikko("MnuTiedosto", "Tiedosto");
    kohta(MnuUusi, tiedosto, "MnuUusi", "Uusi", false, &Lautari::MnuUusi_Click);
    MnuUusi->setShortcut(QKeySequence(Qt::Key_F2));
    kohta(MnuTietoja, tiedosto, "MnuTietoja", "Tietoja", false, &Lautari::MnuTietoja_Click);
    tiedosto->addSeparator()->setObjectName(QStringLiteral("Sep2"));
    kohta(MnuLopeta, tiedosto, "MnuLopeta", "Lopeta", false, &Lautari::MnuLopeta_Click);

    QMenu* vaikeus = valikko("MnuVaikeus", "VaikeusTaso");
    kohta(MnuHelppo, vaikeus, "MnuHelppo", "Helppo", true, &Lautari::MnuHelppo_Click);
    kohta(MnuKeskitaso, vaikeus, "MnuKeskitaso", "Keskitaso", true, &Lautari::MnuKeskitaso_Click);
    kohta(MnuVaikea, vaikeus, "MnuVaikea", "Vaikea", true, &Lautari::MnuVaikea_Click);
    MnuKeskitaso->setChecked(true);

    QMenu* pelaajia = valikko("MnuPelaajia", "Pelaajia");
    kohta(Mnu1Pelaaja, pelaajia, "Mnu1Pelaaja", "1 Pelaaja", true, &Lautari::Mnu1Pelaaja_Click);
    kohta(Mnu2Pelaajaa, pelaajia, "Mnu2Pelaajaa", "2 Pelaajaa", true, &Lautari::Mnu2Pelaajaa_Click);
    Mnu1Pelaaja->setChecked(true);

    QMenu* aloittaja = valikko("MnuAloittaja", "Aloittaja");
    kohta(MnuPelaaja, aloittaja, "MnuPelaaja", "Pelaaja", true, &Lautari::MnuPelaaja_Click);
    kohta(MnuTietokone, aloittaja, "MnuTietokone", "Tietokone", true, &Lautari::MnuTietokone_Click);
    MnuPelaaja->setChecked(true);

    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, &Lautari::avaaValikko);
    qApp->installEventFilter(this);
}

void Lautari::avaaValikko() { menuBar()->setActiveAction(menuBar()->actions().constFirst()); }

// Alt pressed and released alone opens the menu bar, as F10 does.
bool Lautari::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
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
}
