// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModeloDaFila.h"

#include <QHash>

namespace {

struct Cabecalho
{
    const char *titulo;
    const char *maisLargo; // the widest text the column is drawn for
};

const Cabecalho kColunas[ModeloDaFila::NumeroDeColunas] = {
    {"Enfileirada", "00/00/0000 00:00:00"},
    {"Destino", "Nome do Usuário (0000000)"},
    {"Mensagem", "Texto da mensagem com umas quarenta letras"},
    {"Origem", "linha de comando"},
    {"Estado", "aguardando"},
    {"Tentativas", "Tentativas"},
    {"Próxima Tentativa", "00/00/0000 00:00:00"},
    {"Última Razão", "Cancelada pelo operador"},
};

QString Momento(const QDateTime &momento)
{
    if (!momento.isValid())
        return {};
    return momento.toLocalTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

} // namespace

ModeloDaFila::ModeloDaFila(const QString &conexao, QObject *pai)
    : ModeloPaginado(NumeroDeColunas, pai)
    , fila_(conexao)
{ }

bool ModeloDaFila::Carrega()
{
    std::optional<QList<qint64>> ids = fila_.Identificadores();
    if (!ids)
        return false;
    TrocaChaves(std::move(*ids));
    return true;
}

bool ModeloDaFila::LeLinhas(
    const QList<qint64> &chaves, QList<QString> &celulas, QString &erro) const
{
    const std::optional<QList<PaginaDaFila>> paginas = fila_.Le(chaves);
    if (!paginas) {
        erro = fila_.Erro();
        return false;
    }
    QHash<qint64, qsizetype> posicao;
    posicao.reserve(chaves.size());
    for (qsizetype i = 0; i < chaves.size(); ++i)
        posicao.insert(chaves.at(i), i);
    for (const PaginaDaFila &p : *paginas) {
        const auto i = posicao.constFind(p.id);
        if (i == posicao.constEnd())
            continue;
        QString *celula = celulas.data() + *i * NumeroDeColunas;
        celula[Enfileirada] = Momento(p.enfileirada);
        // Names are stored padded with blanks.
        const QString nome = p.destino.usuario.trimmed();
        celula[Destino] = nome.isEmpty() ? p.destino.idPager
                                         : QStringLiteral("%1 (%2)").arg(nome, p.destino.idPager);
        celula[Mensagem] = p.mensagem;
        celula[Origem] = p.origem;
        celula[Estado] = TextoDoEstado(p.estado);
        celula[Tentativas] = QString::number(p.tentativas);
        if (p.estado == EstadoDaFila::Aguardando)
            celula[ProximaTentativa] = Momento(p.vencimento);
        celula[UltimaRazao] = p.ultimaRazao;
    }
    return true;
}

QVariant ModeloDaFila::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole || secao < 0
        || secao >= NumeroDeColunas)
        return ModeloPaginado::headerData(secao, orientacao, papel);
    return QString::fromUtf8(kColunas[secao].titulo);
}

QString ModeloDaFila::MaisLargo(int coluna)
{
    return coluna >= 0 && coluna < NumeroDeColunas ? QString::fromUtf8(kColunas[coluna].maisLargo)
                                                   : QString();
}
