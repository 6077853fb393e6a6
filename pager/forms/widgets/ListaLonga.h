// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/directory/ListasDoDiretorio.h"

#include <QList>

class QComboBox;

// The drop-down lists of users and groups, which may hold tens of thousands of names.
// Qt's defaults measure the width of every entry before the list is first shown and add
// the entries one insertion at a time: seconds with 50 000 users. These helpers do
// neither; they do not read the directory.
namespace lista_longa {

// Sizes `lista` for `caracteres` characters instead of its widest entry, and lays out its
// drop-down with rows of one height.
void Prepara(QComboBox &lista, int caracteres);

// Appends the names of `itens` in one insertion, each with its identifier as item data
// (Qt::UserRole) when `comIds`. A list that was empty then shows its first entry.
void Acrescenta(QComboBox &lista, const QList<listas::Item> &itens, bool comIds = false);

} // namespace lista_longa
