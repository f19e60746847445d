// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ohje.h"

#include "forms/front.h"
#include "ui/tekstit.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The rules in a read-only window of the game's own, built into the program
// so that they are there even where the installed files are not. One such
// window at a time; asked again, it comes to the front.
void naytaOhje(QWidget* ikkuna) {
    auto* ohje = ikkuna->findChild<QDialog*>(QStringLiteral("Ohje"));
    if (!ohje) {
        ohje = new QDialog(ikkuna);
        ohje->setObjectName(QStringLiteral("Ohje"));
        ohje->setAttribute(Qt::WA_DeleteOnClose);
        ohje->setWindowTitle(teksti::kOhjeTiedosto.toString());
        ohje->setFont(ikkuna->font());
        QFile tiedosto(QStringLiteral(":/assets/readme.txt"));
        tiedosto.open(QIODevice::ReadOnly);
        auto* teksti = new QPlainTextEdit(QString::fromUtf8(tiedosto.readAll()), ohje);
        teksti->setReadOnly(true);
        teksti->setAccessibleName(ohje->windowTitle()); // what the focus is on, by name
        teksti->setLineWrapMode(QPlainTextEdit::NoWrap);
        teksti->setMinimumSize(teksti->fontMetrics().averageCharWidth() * 80,
                               teksti->fontMetrics().lineSpacing() * 30);
        auto* napit = new QDialogButtonBox(ohje);
        napit->addButton(teksti::kSulje.toString(), QDialogButtonBox::RejectRole);
        QObject::connect(napit, &QDialogButtonBox::rejected, ohje, &QDialog::close);
        auto* asettelu = new QVBoxLayout(ohje);
        asettelu->addWidget(teksti);
        asettelu->addWidget(napit);
    }
    forms::showInFront(ohje);
}

} // namespace

QString ohjeenPolku() {
    const QFileInfo ohje(QCoreApplication::applicationDirPath() +
                         QStringLiteral("/" LAUTARI_DATA_FROM_BIN "/readme.txt"));
    return ohje.isFile() ? ohje.absoluteFilePath() : QString();
}

// xdg-open, as Qt itself would use, but watched: it fails with a status of
// its own where the desktop has no viewer for the file. The opener belongs to
// the application, not to the window, which may be gone when it ends.
void avaaOhje(QWidget* kysyja) {
    QWidget* ikkuna = kysyja->window();
    while (ikkuna->parentWidget())
        ikkuna = ikkuna->parentWidget()->window();
    const QString polku = ohjeenPolku();
    if (polku.isEmpty()) return naytaOhje(ikkuna);
    auto* avaaja = new QProcess(QCoreApplication::instance());
    const auto loppu = [avaaja, kohde = QPointer<QWidget>(ikkuna)](bool onnistui) {
        if (!onnistui && kohde) naytaOhje(kohde);
        avaaja->deleteLater();
    };
    QObject::connect(avaaja, &QProcess::finished, avaaja,
                     [loppu](int tila, QProcess::ExitStatus miten) {
                         loppu(tila == 0 && miten == QProcess::NormalExit);
                     });
    QObject::connect(avaaja, &QProcess::errorOccurred, avaaja,
                     [loppu](QProcess::ProcessError virhe) {
                         if (virhe == QProcess::FailedToStart) loppu(false);
                     });
    avaaja->start(QStringLiteral("xdg-open"), {polku});
}
