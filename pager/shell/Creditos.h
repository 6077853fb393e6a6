#pragma once

#include <QString>

class QLabel;
class QWidget;

// Pieces the dialogs of the shell share: the banner over a dialog and the maker's
// credit line (pnlDica) under it.
namespace creditos {

QString LinhaDoFabricante();
QLabel *criaBanner(const QString &texto, QWidget *pai);
QLabel *criaDica(QWidget *pai);

} // namespace creditos
