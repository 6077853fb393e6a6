// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmFila.h"

#include "CaixaMensagem.h"
#include "core/queue/AcompanhaFila.h"
#include "core/queue/FilaDePaginas.h"
#include "core/queue/ModeloDaFila.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kTitulo = QStringLiteral("Fila de Envio");

} // namespace

frmFila::frmFila(CaixaMensagem &caixa, QWidget *pai)
    : QWidget(pai)
    , caixa_(caixa)
{
    setObjectName(QStringLiteral("frmFila"));
    modelo_ = new ModeloDaFila({}, this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    lstFila_ = new QTableView(this);
    lstFila_->setObjectName(QStringLiteral("lstFila"));
    lstFila_->setModel(modelo_);
    lstFila_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstFila_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstFila_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstFila_->setWordWrap(false);
    lstFila_->verticalHeader()->hide();
    // Every row one line high, never measured: a long queue opens at once.
    lstFila_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lstFila_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    const int folga = 2 * (lstFila_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 4);
    for (int coluna = 0; coluna < ModeloDaFila::NumeroDeColunas; ++coluna) {
        const QString cabecalho = modelo_->headerData(coluna, Qt::Horizontal).toString();
        lstFila_->setColumnWidth(coluna,
            std::max(fontMetrics().horizontalAdvance(ModeloDaFila::MaisLargo(coluna)),
                lstFila_->horizontalHeader()->fontMetrics().horizontalAdvance(cabecalho))
                + folga);
    }
    layout->addWidget(lstFila_, 1);

    auto *botoes = new QHBoxLayout;
    botoes->setContentsMargins(6, 0, 6, 6);
    botoes->addStretch(1);
    cmdTentarAgora_ = new QPushButton(QStringLiteral("&Tentar Agora"), this);
    cmdTentarAgora_->setObjectName(QStringLiteral("cmdTentarAgora"));
    cmdCancelar_ = new QPushButton(QStringLiteral("&Cancelar"), this);
    cmdCancelar_->setObjectName(QStringLiteral("cmdCancelar"));
    botoes->addWidget(cmdTentarAgora_);
    botoes->addWidget(cmdCancelar_);
    layout->addLayout(botoes);
    connect(cmdTentarAgora_, &QPushButton::clicked, this, &frmFila::cmdTentarAgora_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &frmFila::cmdCancelar_Click);
    // The model reads its pages while the list paints: a message box waits for the paint.
    connect(
        modelo_, &ModeloDaFila::LeituraFalhou, this,
        [this](const QString &erro) {
            caixa_.mostra(QStringLiteral("Erro:"), erro, CaixaMensagem::Icone::Informacao);
        },
        Qt::QueuedConnection);
}

frmFila::~frmFila() = default;

bool frmFila::Carrega()
{
    if (!modelo_->Carrega())
        return false;
    if (!acompanha_) {
        acompanha_ = new AcompanhaFila(this);
        connect(acompanha_, &AcompanhaFila::Mudou, this, &frmFila::Atualiza);
    }
    return true;
}

QString frmFila::Erro() const
{
    return modelo_->Erro();
}

int frmFila::LarguraIdeal() const
{
    int largura
        = 2 * lstFila_->frameWidth() + lstFila_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int coluna = 0; coluna < ModeloDaFila::NumeroDeColunas; ++coluna)
        largura += lstFila_->columnWidth(coluna);
    return largura;
}

void frmFila::Atualiza()
{
    QSet<qint64> selecionadas;
    for (const QModelIndex &linha : lstFila_->selectionModel()->selectedRows())
        selecionadas.insert(modelo_->Chave(linha.row()));
    const qint64 atual = modelo_->Chave(lstFila_->currentIndex().row());
    const int rolagem = lstFila_->verticalScrollBar()->value();
    if (!modelo_->Carrega()) {
        if (!leituraFalhou_)
            caixa_.mostra(
                QStringLiteral("Erro:"), modelo_->Erro(), CaixaMensagem::Icone::Informacao);
        leituraFalhou_ = true;
        return;
    }
    leituraFalhou_ = false;
    // One walk over the identifiers, however long the queue and the selection.
    QItemSelection selecao;
    for (int linha = 0; linha < modelo_->rowCount(); ++linha) {
        const qint64 id = modelo_->Chave(linha);
        if (id == atual)
            lstFila_->selectionModel()->setCurrentIndex(
                modelo_->index(linha, 0), QItemSelectionModel::NoUpdate);
        if (selecionadas.contains(id))
            selecao.select(
                modelo_->index(linha, 0), modelo_->index(linha, ModeloDaFila::NumeroDeColunas - 1));
    }
    lstFila_->selectionModel()->select(selecao, QItemSelectionModel::ClearAndSelect);
    lstFila_->verticalScrollBar()->setValue(rolagem);
}

QList<qint64> frmFila::Selecionadas()
{
    QList<qint64> ids;
    for (const QModelIndex &linha : lstFila_->selectionModel()->selectedRows())
        ids.append(modelo_->Chave(linha.row()));
    if (ids.isEmpty()) {
        caixa_.mostra(kTitulo, QStringLiteral("Selecione na lista as mensagens da fila."),
            CaixaMensagem::Icone::Informacao);
    }
    return ids;
}

void frmFila::cmdTentarAgora_Click()
{
    const QList<qint64> ids = Selecionadas();
    if (ids.isEmpty())
        return;
    FilaDePaginas fila;
    const auto mudadas = fila.TentaAgora(ids, QDateTime::currentDateTimeUtc());
    if (!mudadas) {
        caixa_.mostra(QStringLiteral("Erro:"), fila.Erro(), CaixaMensagem::Icone::Informacao);
    } else if (*mudadas < ids.size()) {
        caixa_.mostra(kTitulo,
            ids.size() == 1
                ? QStringLiteral("A mensagem não está aguardando na fila: não há o que tentar.")
                : QStringLiteral("%1 das %2 mensagens selecionadas não estavam aguardando na fila "
                                 "e ficaram como estavam.")
                      .arg(ids.size() - *mudadas)
                      .arg(ids.size()),
            CaixaMensagem::Icone::Exclamacao);
    }
    Atualiza();
}

void frmFila::cmdCancelar_Click()
{
    const QList<qint64> ids = Selecionadas();
    if (ids.isEmpty())
        return;
    const QString pergunta = ids.size() == 1
        ? QStringLiteral("Cancelar o envio da mensagem selecionada?")
        : QStringLiteral("Cancelar o envio das %1 mensagens selecionadas?").arg(ids.size());
    if (caixa_.pergunta(kTitulo, pergunta) != CaixaMensagem::Resposta::Sim)
        return;
    FilaDePaginas fila;
    const auto recusadas = fila.Cancela(ids, QDateTime::currentDateTimeUtc());
    if (!recusadas) {
        caixa_.mostra(QStringLiteral("Erro:"), fila.Erro(), CaixaMensagem::Icone::Informacao);
    } else if (!recusadas->isEmpty()) {
        QStringList razoes;
        for (const FilaDePaginas::NaoCancelada &n : *recusadas) {
            if (!razoes.contains(n.razao))
                razoes << n.razao;
        }
        if (ids.size() > 1) {
            razoes.prepend(QStringLiteral("%1 das %2 mensagens selecionadas não foram canceladas:")
                               .arg(recusadas->size())
                               .arg(ids.size()));
        }
        caixa_.mostra(kTitulo, razoes.join(u'\n'), CaixaMensagem::Icone::Exclamacao);
    }
    Atualiza();
}
