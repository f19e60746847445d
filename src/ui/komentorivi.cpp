// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/komentorivi.h"

#include "ui/tekstit.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// An option: its names, the name of its value (none for a switch) and what
// the help says of it (nothing: left out of the help).
struct Valinta {
    QStringList nimet;
    const char* arvo;
    QStringView kuvaus;
};

// Ours first, then Qt's own, which QApplication takes off the command line.
const Valinta kTunnetut[] = {
    {{"h", "help"}, nullptr, teksti::kOhjeValinta},
    {{"v", "version"}, nullptr, teksti::kVersioValinta},
    {{"platform"}, "nimi", teksti::kPlatformValinta},
    {{"style"}, "tyyli", teksti::kStyleValinta},
    {{"qwindowgeometry"}, "paikka", teksti::kGeometriaValinta},
    {{"stylesheet"}, "tiedosto", {}},
    {{"platformpluginpath"}, "polku", {}},
    {{"platformtheme"}, "teema", {}},
    {{"plugin"}, "liitännäinen", {}},
    {{"qwindowicon"}, "kuvake", {}},
    {{"qwindowtitle"}, "otsikko", {}},
    {{"session"}, "istunto", {}},
    {{"display"}, "näyttö", {}},
    {{"geometry"}, "paikka", {}},
    {{"qmljsdebugger"}, "portti", {}},
    {{"dialogs"}, "tyyli", {}},
    {{"fontengine"}, "moottori", {}},
    {{"reverse"}, nullptr, {}},
    {{"widgetcount"}, nullptr, {}},
    {{"sync"}, nullptr, {}},
    {{"nograb"}, nullptr, {}},
    {{"dograb"}, nullptr, {}},
};

void tulosta(std::FILE* minne, const QString& teksti) {
    std::fputs(teksti.toUtf8().constData(), minne);
    std::fflush(minne);
}

// The usage, what the game is, and the options that matter to a player.
QString ohje() {
    using namespace teksti;
    QString out = QStringLiteral("%1\n%2\n\n%3\n").arg(kKaytto, kAboutKuvaus[0], kValinnat);
    for (const Valinta& v : kTunnetut) {
        if (v.kuvaus.isEmpty()) continue;
        // Ours as GNU writes them, "-h, --help"; Qt's own with one dash.
        QString rivi = v.nimet.size() == 2 ? QStringLiteral("-%1, --%2").arg(v.nimet[0], v.nimet[1])
                                           : QStringLiteral("-") + v.nimet[0];
        if (v.arvo) rivi += QStringLiteral(" <%1>").arg(QString::fromUtf8(v.arvo));
        out += QStringLiteral("  %1 %2\n").arg(rivi.leftJustified(26), v.kuvaus);
    }
    return out + u'\n' + kQtValinnat.toString() + u'\n';
}

QtMessageHandler qtnKasittelija = nullptr;
QStringList pidatetyt;

void ennenNayttoa(QtMsgType tyyppi, const QMessageLogContext& paikka, const QString& viesti) {
    if (tyyppi != QtFatalMsg) {
        pidatetyt << qFormatLogMessage(tyyppi, paikka, viesti);
        return;
    }
    tulosta(stderr, teksti::kEiNayttoa.toString() + u'\n');
    std::_Exit(1);
}

} // namespace

std::optional<int> lueKomentorivi(int argc, char** argv) {
    QStringList argumentit;
    for (int i = 0; i < argc; ++i)
        argumentit << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser jasennin;
    jasennin.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Valinta& v : kTunnetut) {
        QCommandLineOption valinta(v.nimet);
        if (v.arvo) valinta.setValueName(QString::fromUtf8(v.arvo));
        jasennin.addOption(valinta);
    }
    const auto virhe = [&](QStringView syy, const QString& mika) {
        tulosta(stderr, teksti::kVirhe.arg(syy, mika) + u'\n');
        return 2;
    };
    if (!jasennin.parse(argumentit)) {
        // Qt's words are English: name the option as it was written instead.
        const QString nimi =
            jasennin.unknownOptionNames().value(0, QRegularExpression(QStringLiteral("'-*([^'=]*)"))
                                                       .match(jasennin.errorText())
                                                       .captured(1));
        QString kirjoitettu = nimi;
        for (const QString& a : argumentit.mid(1))
            if (a.startsWith(u'-') &&
                a.section(u'=', 0, 0).remove(QRegularExpression(QStringLiteral("^-+"))) == nimi)
                kirjoitettu = a.section(u'=', 0, 0);
        return virhe(jasennin.unknownOptionNames().isEmpty() ? teksti::kVirheellinen
                                                             : teksti::kTuntematon,
                     kirjoitettu);
    }
    if (!jasennin.positionalArguments().isEmpty())
        return virhe(teksti::kYlimaarainen, jasennin.positionalArguments().constFirst());
    if (jasennin.isSet(QStringLiteral("help"))) {
        tulosta(stdout, ohje());
        return 0;
    }
    if (jasennin.isSet(QStringLiteral("version"))) {
        tulosta(stdout, QStringLiteral("%1 " LAUTARI_VERSION "\n").arg(teksti::kOhjelma));
        return 0;
    }
    return std::nullopt;
}

void odotaNayttoa() { qtnKasittelija = qInstallMessageHandler(ennenNayttoa); }

void nayttoLoytyi() {
    qInstallMessageHandler(qtnKasittelija);
    for (const QString& viesti : std::exchange(pidatetyt, {}))
        tulosta(stderr, viesti + u'\n');
}
