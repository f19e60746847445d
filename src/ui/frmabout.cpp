#include "ui/frmabout.h"

#include "forms/font.h"
#include "forms/picturebox.h"
#include "forms/twips.h"
#include "ui/ikoni.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

using forms::px;

const QStringList frmAbout::kOtsikko = {
    QStringLiteral("Lautari -98"),
    QStringLiteral("Tekijä : Lautari-tiimi"),
};

const QStringList frmAbout::kKuvaus = {
    QStringLiteral("Ristinollaa tietokonetta vastaan kolmella vaikeustasolla tai kaksin. "
                   "Kolme merkkiä riviin voittaa."),
    QStringLiteral("Ilmoitathan jos löydät pelistä bugeja"),
    QStringLiteral("Lisätietoja ja ohjeet:   Katso readme.txt"),
};

namespace {

QLabel* teksti(QWidget* parent, const char* nimi, const QString& sisalto, QRect twips) {
    auto* label = new QLabel(sisalto, parent);
    label->setObjectName(QString::fromLatin1(nimi));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tietoja"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(false);
    setFont(forms::classicFont(8));
    setFixedSize(px(5730), px(3825));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(px(4320), px(3240), px(1260), px(345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    picIcon = new forms::PictureBox(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(px(240), px(120), px(540), px(540));
    picIcon->setPicture(ohjelmanIkoni());

    lblTitle = teksti(this, "lblTitle", kOtsikko.join(u'\n'), {1050, 120, 3885, 480});
    lblVersion = teksti(this, "lblVersion", QStringLiteral("Versio 1.1"), {1050, 600, 3885, 225});
    lblDescription = teksti(this, "lblDescription", kKuvaus.join(u'\n'), {1050, 960, 3885, 1770});
    lblDisclaimer = teksti(this, "lblDisclaimer", QStringLiteral(" "), {240, 3000, 3870, 720});

    cmdOK->setFocus();
}

void frmAbout::cmdOK_Click() { done(QDialog::Accepted); }

// Esc and the frame's close button close the box as OK does.
void frmAbout::reject() { cmdOK_Click(); }

// The etched rule above the disclaimer: a grey line with a white one below.
void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    const int y = px(2760);
    p.fillRect(QRect(px(120), y + 1, px(5669) - px(120) + 1, 1), Qt::white);
    p.fillRect(QRect(px(90), y, px(5654) - px(90) + 1, 1), QColor(128, 128, 128));
}
