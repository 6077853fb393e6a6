// SPDX-License-Identifier: GPL-3.0-or-later
#include "CursorOcupado.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
int g_ativos = 0;
}

CursorOcupado::CursorOcupado(Qt::CursorShape forma)
{
    ++g_ativos;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(forma);
        m_ligado = true;
    }
}

CursorOcupado::~CursorOcupado()
{
    --g_ativos;
    if (m_ligado && qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::restoreOverrideCursor();
}

bool CursorOcupado::ativo()
{
    return g_ativos > 0;
}
