#pragma once

#include "OrigemRelatorio.h"

class QMdiArea;

// Reads the report of the main window's active child: the text of its `txtResultado`
// box with CR LF line breaks. Nothing when no child is active or the active child has
// no such box.
OrigemRelatorio TextoDoResultadoAtivo(const QMdiArea *area);
