// The main window: its controls, its fixed size and its menu bar.
#include "ui/lautari.h"

#include "forms/font.h"
#include "forms/label.h"
#include "forms/twips.h"
#include "game/lines.h"
#include "ui/frmabout.h"
#include "ui/layout.h"

#include <QEvent>
#include <QLayout>
#include <QMenuBar>

using forms::px;
using forms::pxF;

Lautari::Lautari(QWidget* parent)
    : QMainWindow(parent), random_(std::make_unique<forms::ClockRandom>()) {
    setObjectName(QStringLiteral("Lautari"));
    setWindowTitle(QStringLiteral("Lautari -98 "));
    setWindowIcon(QIcon(QStringLiteral(":/assets/lautari.png")));
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

    void (Lautari::*const kasittelijat[9])() = {
        &Lautari::a1_Click, &Lautari::a2_Click, &Lautari::a3_Click,
        &Lautari::b1_Click, &Lautari::b2_Click, &Lautari::b3_Click,
        &Lautari::c1_Click, &Lautari::c2_Click, &Lautari::c3_Click,
    };
    for (Sq s : kRuudut)
        connect(ruudut_[s], &forms::PictureBox::clicked, this, kasittelijat[s]);

    for (const layout::Segmentti& seg : layout::kSegmentit) {
        forms::PictureBox* host = ruudut_[kLinjat[seg.L - 1][seg.n - 1]];
        Viiva(seg.L, seg.n).place(host, QLineF(pxF(seg.x1), pxF(seg.y1), pxF(seg.x2), pxF(seg.y2)));
    }

    Nolla = new forms::PictureBox(client);
    Nolla->setObjectName(QStringLiteral("Nolla"));
    Nolla->setGeometry(px(layout::kNollaLeft), px(layout::kPidikeTop), koko, koko);
    Nolla->setPicture(QPixmap(QStringLiteral(":/assets/nolla.png")));
    Nolla->hide();
    Risti = new forms::PictureBox(client);
    Risti->setObjectName(QStringLiteral("Risti"));
    Risti->setGeometry(px(layout::kRistiLeft), px(layout::kPidikeTop), koko, koko);
    Risti->setPicture(QPixmap(QStringLiteral(":/assets/risti.png")));
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
        if (nimi.startsWith(u"Voitot")) Voitot[taso - 1] = label;
        if (nimi.startsWith(u"Tp")) Tp[taso - 1] = label;
        if (nimi.startsWith(u"Haviot")) Haviot[taso - 1] = label;
        if (nimi == u"RnTeksti") RnTeksti = label;
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
