// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A report as a small RTF document (Windows-1252, Times New Roman, one paragraph per
// line), the form in which every word processor opens it as a new document with its
// accents intact. Nothing of the report's layout is interpreted: each line stays a line.
QByteArray DocumentoRtf(const QString &texto);
