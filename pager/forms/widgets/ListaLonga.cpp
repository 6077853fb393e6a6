// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListaLonga.h"

#include <QComboBox>
#include <QListView>
#include <QStandardItemModel>

namespace lista_longa {

void Prepara(QComboBox &lista, int caracteres)
{
    lista.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lista.setMinimumContentsLength(caracteres);
    if (auto *vista = qobject_cast<QListView *>(lista.view()))
        vista->setUniformItemSizes(true);
}

void Acrescenta(QComboBox &lista, const QList<listas::Item> &itens, bool comIds)
{
    auto *modelo = qobject_cast<QStandardItemModel *>(lista.model());
    if (!modelo) {
        for (const listas::Item &item : itens)
            lista.addItem(item.nome, comIds ? QVariant(item.id) : QVariant());
        return;
    }
    QList<QStandardItem *> linhas;
    linhas.reserve(itens.size());
    for (const listas::Item &item : itens) {
        auto *linha = new QStandardItem(item.nome);
        if (comIds)
            linha->setData(item.id, Qt::UserRole);
        linhas.append(linha);
    }
    modelo->invisibleRootItem()->appendRows(linhas);
}

} // namespace lista_longa
