// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class ArquivoIni;

// The pure parts of the modem dialogue: the settings that make up the dial line, the line
// itself, the classification of the modem's result codes, and the numeric reading of a
// settings text. No line, clock or window here.

// The "DISCAGEM" keys that make up the dial line, as read (defaults applied).
struct ParametrosDiscagem
{
    QString pabx; // "PABX": only "Sim" adds X3
    QString linha; // "Linha": only "Tom" dials by tone
    QString prefixoPabx; // "PrefixoPABX": "VAZIO" means none
    QString padrao; // "Padrão": the paging service's area code
    QString prefixo; // "Prefixo": the user's area code
    QString telefone; // "Telefone": the paging service's dial-up number
};

// The paging service's dial-up number used when "Telefone" is absent.
QString TelefonePadrao();

// Reads the dial settings from the file at this moment, with their defaults.
ParametrosDiscagem LeParametrosDiscagem(const ArquivoIni &ini);

// A settings text as it may go to the modem: printable 7-bit characters only, the others
// dropped. A hand-edited value may hold a CR, which would end the command early and start
// a second one, or other control bytes the modem would act on.
QString SoImprimiveis(const QString &texto);

// The dial command without its CR: "AT" [X3] DT|DP " " [PABX prefix "W"] [area] number,
// printable characters only. When the two area codes differ in value, the service's code
// ("Padrão") is dialed as stored.
QString MontaLinhaDiscagem(const ParametrosDiscagem &p);

// The numeric value of a text read the way the settings were always read: blanks ignored,
// the leading number taken, 0 when there is none ("011" is 11, "3a" is 3, "" is 0).
double ValorNumerico(const QString &texto);

// The dial result codes.
enum CodigoDiscagem : int {
    kSemResposta = -1,
    kOcupado = 1,
    kSemTom = 2,
    kSemPortadora = 3,
    kConectado = 4,
};

// The result codes that end the wait for a dial result.
const QList<QByteArray> &CodigosDeResultado();

// Classifies a reply buffer: "NO C" 3, "NO D" 2, "NODI" 2, "CONN" 4, "BUSY" 1, tested in
// this order with each later match replacing the earlier one ("BUSY" wins over all,
// "CONN" over the "NO" texts); -1 when none is present.
int ClassificaResposta(const QByteArray &buffer);
