// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComandoImprimir.h"

#include "CaixaMensagem.h"
#include "CursorOcupado.h"
#include "ImpressoraRelatorio.h"
#include "ImprimeTexto.h"

#include <QPrinter>
#include <QPrinterInfo>

ComandoImprimir::ComandoImprimir(CaixaMensagem &caixa, Status status, Impressora impressora)
    : m_caixa(caixa)
    , m_status(std::move(status))
    , m_impressora(std::move(impressora))
{ }

std::unique_ptr<QPrinter> ComandoImprimir::padrao()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

bool ComandoImprimir::imprime(const OrigemRelatorio &origem)
{
    if (!origem) {
        m_caixa.mostra(MensagensOrigem::titulo(), MensagensOrigem::semRelatorio(),
            CaixaMensagem::Icone::Critico);
        return false;
    }
    if (origem->isEmpty()) {
        m_caixa.mostra(MensagensOrigem::titulo(), MensagensOrigem::relatorioVazio(),
            CaixaMensagem::Icone::Critico);
        return false;
    }

    m_status(QStringLiteral("Enviando relatório para Impressora, Aguarde..."));
    bool impresso = false;
    {
        CursorOcupado ocupado;
        if (std::unique_ptr<QPrinter> impressora = m_impressora()) {
            impressora->setDocName(QStringLiteral("Vistral"));
            impresso = ImpressoraRelatorio::imprime(
                *impressora, ImprimeTexto(TextoParaImpressao(*origem)));
        }
    }
    // The status goes back to "Pronto" after a failure too: the job is over either way.
    m_status(QStringLiteral("Pronto"));
    if (!impresso) {
        m_caixa.mostra(QStringLiteral("Erro:"),
            QStringLiteral("Erro ao tentar enviar os dados da análise para impressora."),
            CaixaMensagem::Icone::Critico);
    }
    return impresso;
}
