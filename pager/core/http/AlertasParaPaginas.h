// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonDocument>
#include <QString>
#include <QStringList>

// The pages a body in Prometheus Alertmanager's webhook format stands for: an object whose
// `alerts` array holds objects with `status` ("firing" or "resolved"), `labels` and
// `annotations`. Every text fits a page (cut to the line's limit) and keeps its line breaks
// as the compose window does.
struct PaginasDeAlertas
{
    QStringList textos; // one per firing alert (and per resolved one when asked), in order
    QString erro; // not empty: the body is not such an object, and why (Portuguese)
};

// A firing alert's text is its `summary` annotation, else its `alertname` label followed by
// the other labels as "nome=valor" in the labels' alphabetical order. A resolved alert
// gives "resolvido: " and that text only when `resolvidos`; otherwise nothing.
PaginasDeAlertas AlertasParaPaginas(const QJsonDocument &corpo, bool resolvidos);
