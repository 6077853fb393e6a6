// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

// Cuts the bytes of one connection into lines ended by LF (a CR before it is dropped), and
// never holds more than the limit of an unfinished line: a client cannot make the service
// keep a line of a megabyte. Knows nothing of what the lines mean.
class CortaLinhas
{
public:
    explicit CortaLinhas(qsizetype maximo = 1024);

    // The lines the bytes complete, in order. A line that grows past the limit comes out at
    // once with limit + 1 bytes, so the reader sees it is too long; the rest of it, up to its
    // LF, is dropped.
    QList<QByteArray> Recebe(const QByteArray &bytes);

private:
    qsizetype m_maximo;
    QByteArray m_linha;
    bool m_descartando = false;
};
