// SPDX-License-Identifier: GPL-3.0-or-later
// The three analyses for any name the input box takes and any valid dates, with and
// without interpretation files: the caption names the person in capitals, lines end in
// CR LF, the report without files keeps the layout of the one with files (only the
// interpretations are missing), and the life path comes back from the two analyses that
// set it.
//
// Input: 8 bytes of dates (the first also picks the analysis), then the name (as in
// fuzz::texto, printable characters kept, at most 200).
#include "../numerology/ArquivosDeTeste.h"
#include "Entrada.h"
#include "PastaDeTrabalho.h"
#include "app/relatorios/RelatorioParcial.h"
#include "app/relatorios/RelatorioSemanal.h"
#include "engine/Calculos.h"
#include "engine/RelatorioCompleto.h"

#include <QRegularExpression>

namespace {

QString pastaComArquivos()
{
    static const QString pasta = [] {
        const QString p = QDir(fuzz::pastaDeTrabalho()).filePath(QStringLiteral("com"));
        QDir().mkpath(p);
        return ArquivosDeTeste::gravaTodos(p) ? p : QString();
    }();
    return pasta;
}

QString pastaSemArquivos()
{
    static const QString pasta = [] {
        const QString p = QDir(fuzz::pastaDeTrabalho()).filePath(QStringLiteral("sem"));
        QDir().mkpath(p);
        return p;
    }();
    return pasta;
}

QDate data(const QByteArray &bytes, qsizetype onde)
{
    QByteArray b = bytes.mid(onde, 4);
    b.resize(4, '\0');
    quint32 v = 0;
    for (const char c : b)
        v = (v << 8) | static_cast<unsigned char>(c);
    return QDate(1800, 1, 1).addDays(v % 109000);
}

bool quebrasCrLf(const QString &t)
{
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t.at(i) == QLatin1Char('\n') && (i == 0 || t.at(i - 1) != QLatin1Char('\r')))
            return false;
        if (t.at(i) == QLatin1Char('\r') && (i + 1 == t.size() || t.at(i + 1) != QLatin1Char('\n')))
            return false;
    }
    return true;
}

QString semEspacos(QString t)
{
    t.remove(QRegularExpression(QStringLiteral("\\s")));
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    EXIGE(!pastaComArquivos().isEmpty());
    const QByteArray bytes(reinterpret_cast<const char *>(dados), static_cast<qsizetype>(tamanho));
    const QList<QByteArray> p{bytes.left(8), bytes.mid(8)};
    QString nome;
    for (const QChar c : fuzz::texto(p.at(1)))
        if (!fuzz::controle(c) && !c.isSurrogate() && c != QLatin1Char('['))
            nome += c;
    nome = nome.left(200);
    const QString nascimento = data(p.at(0), 0).toString(QStringLiteral("dd/MM/yyyy"));
    const QDate hoje = data(p.at(0), 4);
    const int caminho = Variaveis_Globais::CalculaNumerosNascimento(nascimento).caminhoDaVida;

    static const QRegularExpression marcador(QStringLiteral("\\[[A-Z]+ (\\d+)\\]"));
    const struct
    {
        GeradorRelatorio gera;
        QString legenda;
        bool daCaminho;
    } analises[] = {{Relatorio::CriaRelatorio, QStringLiteral("Análise Numerológica de "), true},
        {Relatorio::CriaRelatorioParcial, QStringLiteral("Análise Numerológica Parcial de "), true},
        {Relatorio::CriaRelatorioSemanal, QStringLiteral("Análise Numerológica Semanal de "),
            false}};
    {
        const auto &a = analises[bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes.at(0)) % 3];
        const RelatorioGerado com = a.gera(nome, nascimento, hoje, pastaComArquivos());
        const RelatorioGerado sem = a.gera(nome, nascimento, hoje, pastaSemArquivos());
        EXIGE(com.documento.legenda == a.legenda + nome.toUpper());
        EXIGE(sem.documento.legenda == com.documento.legenda);
        EXIGE(quebrasCrLf(com.documento.texto) && quebrasCrLf(sem.documento.texto));
        EXIGE(com.documento.texto.contains(marcador));
        EXIGE(!sem.documento.texto.contains(marcador));
        for (const auto &m : marcador.globalMatch(com.documento.texto))
            EXIGE(m.captured(1).toInt() >= 1 && m.captured(1).toInt() <= 13);
        EXIGE(semEspacos(QString(com.documento.texto).remove(marcador))
            == semEspacos(sem.documento.texto));
        EXIGE(com.caminhoDaVida == sem.caminhoDaVida);
        EXIGE(a.daCaminho ? com.caminhoDaVida == caminho : !com.caminhoDaVida.has_value());
    }
    return 0;
}
