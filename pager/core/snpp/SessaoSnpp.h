// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DestinosSnpp.h"

#include <QByteArray>
#include <QList>

// The limits of one SNPP connection that the session itself enforces.
struct LimitesSnpp
{
    qsizetype bytesPorLinha = 1024;
    int paginasPorTransacao = 100;
    int errosSeguidos = 20; // failed commands in a row before 421
    bool aceitaCodigoAvulso = false; // a pager code the directory does not know
};

// What the session answers to one line: the reply lines (without CR LF) and whether the
// connection ends after they are sent.
struct RespostaSnpp
{
    QList<QByteArray> linhas;
    bool fecha = false;

    // The lines as they go on the connection, each ended by CR LF.
    QByteArray Bytes() const;
};

// One client's SNPP dialogue (RFC 1861, levels 1 and 2 as real clients use them): fed one
// received line at a time, it answers with the reply and keeps the transaction (pagers, text,
// HOLD) until SEND hands it to the queue. It owns no socket and no timer: the server reads
// the lines (CortaLinhas), writes the replies, sends the greeting and, after a silence, the
// idle reply. Nothing a client sends goes anywhere but into the pages handed to the queue.
class SessaoSnpp
{
public:
    // `destinos` is lent for the session's life; `endereco` names the client as the origin of
    // its pages until it logs in.
    SessaoSnpp(DestinosSnpp &destinos, const QString &endereco, LimitesSnpp limites = {});

    static RespostaSnpp Saudacao(); // 220, sent when the connection opens
    static RespostaSnpp Ociosa(); // 421 and close, when the client is silent too long

    // One line as received, without its LF (a CR before it is ignored).
    RespostaSnpp Recebe(QByteArray linha);

    // True between DATA's 354 and the line holding one dot.
    bool RecebendoTexto() const { return m_emTexto; }

private:
    RespostaSnpp comando(const QByteArray &linha);
    RespostaSnpp linhaDeTexto(const QByteArray &linha);
    RespostaSnpp page(const QString &argumento);
    RespostaSnpp mensagem(const QString &texto);
    RespostaSnpp send();
    RespostaSnpp logi(const QString &argumento);
    RespostaSnpp contaErro(RespostaSnpp resposta);
    void recomeca();

    DestinosSnpp &m_destinos;
    QString m_endereco;
    LimitesSnpp m_limites;
    QString m_conta; // empty until a LOGI is accepted
    int m_erros = 0;

    // The transaction, emptied by RESE and by a SEND the queue took.
    QList<DestinoSnpp> m_paginas;
    QString m_texto;
    bool m_temTexto = false;
    QDateTime m_naoAntesDe;

    bool m_emTexto = false;
    QByteArray m_bytesTexto;
    qsizetype m_linhasDeTexto = 0;
    bool m_textoLongo = false;
};
