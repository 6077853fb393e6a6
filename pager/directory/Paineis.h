#pragma once

#include <QString>

class QWidget;

// The footer of the groups windows and the about box: the arrow picture
// (`imgSetaApontaDica`) pointing at the maker's line (`pnlDica`).
namespace paineis {

QWidget *CriaDicaComSeta(const QString &texto, QWidget *pai);

} // namespace paineis
