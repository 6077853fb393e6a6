// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Conexao.h"

// A connection that fails or succeeds as the test says and keeps what was sent.
class ConexaoFalsa : public Conexao
{
public:
    Resultado resultadoAbre;
    int erroEnvia = 0;
    QByteArray enviado;
    int envios = 0;
    bool aberta = false;

    Resultado abre(const QByteArray &, quint16) override
    {
        aberta = resultadoAbre.ok();
        return resultadoAbre;
    }
    int envia(const QByteArray &bytes) override
    {
        ++envios;
        if (erroEnvia == 0)
            enviado += bytes;
        return erroEnvia;
    }
    void fecha() override { aberta = false; }
};
