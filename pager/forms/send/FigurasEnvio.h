// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPixmap>

// The seven pictures of the send window's animation: a transmitter tower on the left, a
// pager on the right, and a letter flying from one to the other while the tower's waves
// grow. Drawn once with QPainter; picture k is frame k of the flight (0 to 6).
QList<QPixmap> DesenhaFigurasEnvio();
