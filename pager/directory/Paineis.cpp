#include "Paineis.h"

#include "Cp1252.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QValidator>

namespace {

// Accepts a text only when every character has a Windows-1252 byte: the directory's
// texts travel to the pagers in that code page.
class ValidadorCp1252 : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &texto, int &) const override
    {
        return cp1252::representavel(texto) ? Acceptable : Invalid;
    }
};

QPixmap Seta(int lado)
{
    QPixmap p(lado, lado);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QPainterPath seta;
    seta.moveTo(lado * 0.1, lado * 0.35);
    seta.lineTo(lado * 0.55, lado * 0.35);
    seta.lineTo(lado * 0.55, lado * 0.1);
    seta.lineTo(lado * 0.95, lado * 0.5);
    seta.lineTo(lado * 0.55, lado * 0.9);
    seta.lineTo(lado * 0.55, lado * 0.65);
    seta.lineTo(lado * 0.1, lado * 0.65);
    seta.closeSubpath();
    g.setPen(QPen(QColor(0x8b, 0x1a, 0x1a), 1));
    g.setBrush(QColor(0xd9, 0x53, 0x4f));
    g.drawPath(seta);
    return p;
}

} // namespace

namespace paineis {

QLabel *CriaTitulo(const QString &texto, QWidget *pai)
{
    auto *titulo = new QLabel(texto, pai);
    titulo->setObjectName(QStringLiteral("pnlTituloFundo"));
    QFont fonte = titulo->font();
    fonte.setBold(true);
    fonte.setPointSizeF(fonte.pointSizeF() * 1.4);
    titulo->setFont(fonte);
    titulo->setFrameShape(QFrame::Panel);
    titulo->setFrameShadow(QFrame::Raised);
    titulo->setMargin(6);
    return titulo;
}

QFrame *CriaDica(const QString &texto, QWidget *pai)
{
    auto *dica = new QFrame(pai);
    dica->setObjectName(QStringLiteral("pnlDica"));
    dica->setFrameShape(QFrame::Panel);
    dica->setFrameShadow(QFrame::Sunken);
    auto *layout = new QHBoxLayout(dica);
    layout->setContentsMargins(4, 2, 4, 2);
    auto *seta = new QLabel(dica);
    seta->setObjectName(QStringLiteral("imgSetaApontaDica"));
    seta->setPixmap(Seta(16));
    layout->addWidget(seta);
    auto *rotulo = new QLabel(texto, dica);
    rotulo->setObjectName(QStringLiteral("lblDica"));
    layout->addWidget(rotulo, 1);
    return dica;
}

QString NomeDoFabricante()
{
    return QStringLiteral("Quorvane® Brasil - Tellumo 1.0");
}

QPushButton *CriaBotao(
    const char *nome, const QString &legenda, const QString &dica, int iconePadrao, QWidget *pai)
{
    auto *botao = new QPushButton(legenda, pai);
    botao->setObjectName(QString::fromLatin1(nome));
    botao->setToolTip(dica);
    botao->setIcon(
        QApplication::style()->standardIcon(static_cast<QStyle::StandardPixmap>(iconePadrao)));
    botao->setAutoDefault(false);
    return botao;
}

void LimitaTexto(QLineEdit *caixa, int maximo)
{
    caixa->setMaxLength(maximo);
    caixa->setValidator(new ValidadorCp1252(caixa));
}

void LimitaTexto(QPlainTextEdit *caixa, int maximo)
{
    QObject::connect(caixa, &QPlainTextEdit::textChanged, caixa, [caixa, maximo] {
        const QString texto = caixa->toPlainText();
        QString aceito;
        aceito.reserve(texto.size());
        for (QChar c : texto) {
            if (aceito.size() < maximo && cp1252::representavel(c.unicode()))
                aceito.append(c);
        }
        if (aceito == texto)
            return;
        const int posicao = std::min(caixa->textCursor().position(), int(aceito.size()));
        caixa->setPlainText(aceito);
        QTextCursor cursor = caixa->textCursor();
        cursor.setPosition(posicao);
        caixa->setTextCursor(cursor);
    });
}

} // namespace paineis
