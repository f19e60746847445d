// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmabout.h"

#include "forms/font.h"
#include "forms/picturebox.h"
#include "forms/twips.h"
#include "ui/ikoni.h"
#include "ui/layout.h"
#include "ui/ohje.h"
#include "ui/tekstit.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

using forms::px;
using namespace layout::about;

namespace {

QRect pikseleina(const Paikka& p) { return {px(p.left), px(p.top), px(p.width), px(p.height)}; }

QString rivit(const auto& osat) {
    QString out;
    for (QStringView osa : osat)
        out += (out.isEmpty() ? QString() : QStringLiteral("\n")) + osa.toString();
    return out;
}

QLabel* kentta(QWidget* parent, const char* nimi, const QString& sisalto, const Paikka& paikka) {
    auto* label = new QLabel(sisalto, parent);
    label->setObjectName(QString::fromLatin1(nimi));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(pikseleina(paikka));
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(teksti::kTietoja.toString());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFont(forms::classicFont(8));
    setFixedSize(px(kLeveys), px(kKorkeus));

    cmdOK = new QPushButton(teksti::kOK.toString(), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(pikseleina(kOK));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    picIcon = new forms::PictureBox(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(pikseleina(kKuvake));
    picIcon->setPicture(ohjelmanIkoni());

    lblTitle = kentta(this, "lblTitle", rivit(teksti::kAboutOtsikko), kOtsikko);
    lblVersion = kentta(this, "lblVersion",
                        teksti::kVersio.toString() + QStringLiteral(LAUTARI_VERSION), kVersio);
    lblDescription = kentta(this, "lblDescription", rivit(teksti::kAboutKuvaus), kKuvaus);
    lblDisclaimer = kentta(this, "lblDisclaimer", teksti::kVastuu.toString(), kVastuu);

    // "readme.txt" at the end of the description opens the rules: a link
    // drawn like the words around it. Screen readers get the plain words.
    lblDescription->setAccessibleName(lblDescription->text());
    lblDescription->setTextFormat(Qt::RichText);
    lblDescription->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(lblDescription, &QLabel::linkActivated, this, [this] { avaaOhje(this); });
    varita();

    cmdOK->setFocus();
}

// The box's words are black where black reads on the desktop's window colour;
// on a dark one, they take the desktop's own text colour. Again whenever the
// desktop's colours change.
void frmAbout::varita() {
    const QColor muste = palette().color(QPalette::Window).lightness() >= 128
                             ? QColor(Qt::black)
                             : palette().color(QPalette::WindowText);
    for (QLabel* label : {lblTitle, lblVersion, lblDescription, lblDisclaimer}) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, muste);
        label->setPalette(pal);
    }
    QString kuvaus = lblDescription->accessibleName().toHtmlEscaped();
    kuvaus.replace(u'\n', QStringLiteral("<br>"))
        .replace(teksti::kOhjeTiedosto.toString(),
                 QStringLiteral("<a href=\"ohje\" style=\"color:%1; text-decoration:none\">%2</a>")
                     .arg(muste.name(), teksti::kOhjeTiedosto));
    lblDescription->setText(QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(kuvaus));
}

void frmAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) varita();
}

void frmAbout::cmdOK_Click() { done(QDialog::Accepted); }

// Esc and the frame's close button close the box as OK does.
void frmAbout::reject() { cmdOK_Click(); }

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    const int y = px(kViivaY);
    p.fillRect(QRect(px(kValkoinenX1), y + 1, px(kValkoinenX2) - px(kValkoinenX1) + 1, 1),
               Qt::white);
    p.fillRect(QRect(px(kHarmaaX1), y, px(kHarmaaX2) - px(kHarmaaX1) + 1, 1),
               QColor(128, 128, 128));
}
