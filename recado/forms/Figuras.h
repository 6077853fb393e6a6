// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The program's drawn pictures, kept as Qt resources: the picture beside the text and
// the window icon.
QPixmap figuraQuorvane();
QIcon iconeRecado();
