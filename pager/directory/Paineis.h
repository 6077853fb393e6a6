#pragma once

#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Pieces the directory's windows have in common: the title line across the top, the
// footer with the arrow and the maker's name, and text boxes that hold at most a given
// number of characters, all of them characters that Windows-1252 can hold.
namespace paineis {

// The title line (`pnlTituloFundo`).
QLabel *CriaTitulo(const QString &texto, QWidget *pai);

// The footer (`pnlDica`) with its arrow picture (`imgSetaApontaDica`) and a text.
QFrame *CriaDica(const QString &texto, QWidget *pai);

// The maker's line shown in the footer of the registers.
QString NomeDoFabricante();

// A picture button with its tool tip and a short caption under the picture.
QPushButton *CriaBotao(
    const char *nome, const QString &legenda, const QString &dica, int iconePadrao, QWidget *pai);

// Limits what a single-line box accepts.
void LimitaTexto(QLineEdit *caixa, int maximo);

// Limits what a multi-line box keeps: characters outside the code page and those past
// `maximo` are dropped as they arrive, wherever they come from (typing or pasting).
void LimitaTexto(QPlainTextEdit *caixa, int maximo);

} // namespace paineis
