// SPDX-License-Identifier: GPL-3.0-or-later
// Vistral's two speed figures: a complete analysis with all its file lookups (target under
// 20 ms) and the start-up up to the main window on screen (target under 1 s).
// Usage: bench_vistral [program folder with the .DAT files]; without a folder, full-size
// files of sample text are written to a temporary folder first.
#include "Cp1252.h"
#include "Medida.h"
#include "app/frmPrincipal.h"
#include "engine/Interpretacao.h"
#include "engine/RelatorioCompleto.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>
#include <algorithm>
#include <cstdio>

namespace {

const char *const Arquivos[] = {"CDATA", "CVIDA", "CFORM", "CPROD", "CCOLH", "CDNAS", "DESNASC",
    "PRESNASC", "APICES", "DESVIDA", "INDSAUDE", "INTANOUN", "INTMESUN", "INTDIAUN", "INTANOPS",
    "INTMESPS", "INTDIAPS", "INTEXEXP", "IMPXALMA", "EUXSILEN", "INTVOG", "INTNOME", "INTREALI"};

bool criaArquivos(const QString &pasta)
{
    const QByteArray frase = cp1252::codifica(
        QStringLiteral("Texto de interpretação com acentos, vírgulas e parágrafos. "));
    for (const char *nome : Arquivos) {
        QByteArray dados;
        for (int r = 1; r <= 13; ++r) {
            QByteArray registro = frase.repeated(30);
            registro.resize(Variaveis_Globais::TamanhoRegistro, ' ');
            dados += registro;
        }
        QFile f(QDir(pasta).filePath(QString::fromLatin1(nome) + QStringLiteral(".DAT")));
        if (!f.open(QIODevice::WriteOnly) || f.write(dados) != dados.size())
            return false;
    }
    return true;
}

void medeAnalise(const QString &pasta, const QString &data, const char *rotulo, const char *medida)
{
    constexpr int Vezes = 300;
    QList<double> tempos;
    qsizetype tamanho = 0;
    for (int i = 0; i < Vezes; ++i) {
        QElapsedTimer t;
        t.start();
        const RelatorioGerado r
            = Relatorio::CriaRelatorio(QStringLiteral("Ana Souza"), data, QDate(1998, 3, 2), pasta);
        tempos.append(t.nsecsElapsed() / 1e6);
        tamanho = r.documento.texto.size();
    }
    std::sort(tempos.begin(), tempos.end());
    double soma = 0;
    for (const double t : tempos)
        soma += t;
    std::printf("analise completa (%s, %lld caracteres): media %.3f ms, mediana %.3f ms, "
                "max %.3f ms em %d execucoes (meta: < 20 ms)\n",
        rotulo, static_cast<long long>(tamanho), soma / Vezes, tempos.at(Vezes / 2), tempos.last(),
        Vezes);
    medida::Relata(QString::fromUtf8(medida), tempos.at(Vezes / 2), "ms", 20);
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer inicio;
    inicio.start();
    QApplication app(argc, argv);

    QTemporaryDir temporaria;
    QString pasta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporaria.path();
    if (argc <= 1 && !criaArquivos(pasta)) {
        std::fprintf(stderr, "nao foi possivel criar os arquivos de teste\n");
        return 1;
    }
    // Settings present, as on every start after the first: no question, no tip.
    QFile internet(QDir(temporaria.path()).filePath(QStringLiteral("enableit.dat")));
    if (internet.open(QIODevice::WriteOnly))
        internet.write("N\r\n");
    internet.close();

    const qint64 antesDaJanela = inicio.elapsed();
    frmPrincipal janela(temporaria.path());
    janela.MDIForm_Load();
    while (!janela.windowHandle() || !janela.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();
    std::printf("inicio ate a janela principal exposta: %lld ms (QApplication: %lld ms; "
                "meta: < 1000 ms)\n",
        static_cast<long long>(inicio.elapsed()), static_cast<long long>(antesDaJanela));
    medida::Relata(QStringLiteral("Vistral: início até a janela principal"),
        double(inicio.nsecsElapsed()) / 1e6, "ms", 1000);

    medeAnalise(pasta, QStringLiteral("25/12/1970"), "exemplo, 42 leituras",
        "Vistral: análise completa (mediana de 300)");
    medeAnalise(pasta, QStringLiteral("11/05/1980"), "desafio do dia 0, 9 leituras a mais",
        "Vistral: análise completa com desafio 0 (mediana de 300)");
    return 0;
}
