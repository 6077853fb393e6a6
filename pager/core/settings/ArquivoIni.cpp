// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArquivoIni.h"

#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVector>

namespace {

// One line of the file as it is on disk: its text and its own line end (CR LF, LF, or
// nothing on a last line without one), so that untouched lines are written back unchanged.
struct Linha
{
    QByteArray texto;
    QByteArray fim;
};

QVector<Linha> divideLinhas(const QByteArray &bytes)
{
    QVector<Linha> linhas;
    qsizetype inicio = 0;
    while (inicio < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', inicio);
        if (lf < 0) {
            linhas.append({bytes.mid(inicio), {}});
            break;
        }
        qsizetype fimTexto = lf;
        if (fimTexto > inicio && bytes.at(fimTexto - 1) == '\r')
            --fimTexto;
        linhas.append(
            {bytes.mid(inicio, fimTexto - inicio), bytes.mid(fimTexto, lf + 1 - fimTexto)});
        inicio = lf + 1;
    }
    return linhas;
}

// The name of a section header ("[ name ]" gives "name"), or a null array for other lines.
QByteArray nomeSecao(const QByteArray &linha)
{
    const QByteArray t = linha.trimmed();
    if (!t.startsWith('['))
        return {};
    const qsizetype fecha = t.indexOf(']');
    if (fecha < 0)
        return {};
    QByteArray nome = t.mid(1, fecha - 1).trimmed();
    if (nome.isNull())
        nome = QByteArray("");
    return nome;
}

// Key and value of a "key=value" line; false for comments, blank and junk lines.
bool chaveValor(const QByteArray &linha, QByteArray *chave, QByteArray *valor)
{
    const QByteArray t = linha.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('['))
        return false;
    const qsizetype igual = t.indexOf('=');
    if (igual <= 0)
        return false;
    *chave = t.left(igual).trimmed();
    *valor = t.mid(igual + 1).trimmed();
    return !chave->isEmpty();
}

// Section and key names match as the platform's profile functions match them: without
// regard to case, Windows-1252 letters included ("opções" is "OPÇÕES"); accents count.
bool mesmoNome(const QByteArray &a, const QByteArray &b)
{
    if (a == b)
        return true;
    return a.size() == b.size()
        && cp1252::decodifica(a).compare(cp1252::decodifica(b), Qt::CaseInsensitive) == 0;
}

// Where a key stands in the file: the section header's line, the key's line and the last
// non-blank line of the section (after which a new key goes); -1 where absent.
struct Posicao
{
    qsizetype secao = -1;
    qsizetype chave = -1;
    qsizetype ultimaDaSecao = -1;
};

Posicao localiza(const QVector<Linha> &linhas, const QByteArray &secao, const QByteArray &chave)
{
    Posicao p;
    bool dentro = false;
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        const QByteArray nome = nomeSecao(linhas.at(i).texto);
        if (!nome.isNull()) {
            if (dentro)
                break;
            if (mesmoNome(nome, secao)) {
                dentro = true;
                p.secao = i;
                p.ultimaDaSecao = i;
            }
            continue;
        }
        if (!dentro)
            continue;
        if (!linhas.at(i).texto.trimmed().isEmpty())
            p.ultimaDaSecao = i;
        QByteArray k, v;
        if (chaveValor(linhas.at(i).texto, &k, &v) && mesmoNome(k, chave)) {
            p.chave = i;
            break;
        }
    }
    return p;
}

// The whole file into `bytes` (nothing when there is no file); false when a file is there
// but could not be read whole.
bool leArquivo(const QString &caminho, QByteArray *bytes)
{
    QFile f(caminho);
    if (!f.exists())
        return true;
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *bytes = f.readAll();
    return f.error() == QFileDevice::NoError;
}

// A line break inside a value would split it into a junk line and lose the rest.
QByteArray semQuebras(QByteArray bytes)
{
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    return bytes;
}

} // namespace

ArquivoIni::ArquivoIni(const QString &pasta, const QString &nome)
    : m_pasta(pasta)
    , m_caminho(QDir(pasta).filePath(nome))
{ }

QString ArquivoIni::LePerfil(
    const QString &secao, const QString &chave, const QString &padrao) const
{
    // An unreadable file reads as an absent one: every key takes its default.
    QByteArray bytes;
    leArquivo(m_caminho, &bytes);
    const QVector<Linha> linhas = divideLinhas(bytes);
    const Posicao p
        = localiza(linhas, cp1252::codifica(secao).trimmed(), cp1252::codifica(chave).trimmed());
    if (p.chave < 0)
        return padrao.left(kTamanhoMaximoValor);
    QByteArray k, valor;
    chaveValor(linhas.at(p.chave).texto, &k, &valor);
    if (valor.size() >= 2 && (valor.front() == '"' || valor.front() == '\'')
        && valor.back() == valor.front())
        valor = valor.mid(1, valor.size() - 2);
    return cp1252::decodifica(valor.left(kTamanhoMaximoValor));
}

bool ArquivoIni::GravaPerfil(const QString &secao, const QString &chave, const QString &valor)
{
    const QByteArray bSecao = semQuebras(cp1252::codifica(secao).trimmed());
    const QByteArray bChave = semQuebras(cp1252::codifica(chave).trimmed());
    const QByteArray bValor = semQuebras(cp1252::codifica(valor));
    const QByteArray crlf("\r\n");

    // Rewriting a file that could not be read would lose every line of it.
    QByteArray bytes;
    if (!leArquivo(m_caminho, &bytes))
        return false;
    QVector<Linha> linhas = divideLinhas(bytes);
    const Posicao p = localiza(linhas, bSecao, bChave);
    if (p.chave >= 0) {
        // The key keeps the spelling the file gives it; only the value changes.
        QByteArray &texto = linhas[p.chave].texto;
        texto = texto.left(texto.indexOf('=') + 1) + bValor;
    } else {
        // The line before the insertion point needs an end of its own, or the new line
        // would be glued to it.
        const qsizetype depois = p.secao >= 0 ? p.ultimaDaSecao : linhas.size() - 1;
        if (depois >= 0 && linhas.at(depois).fim.isEmpty())
            linhas[depois].fim = crlf;
        qsizetype onde = depois + 1;
        if (p.secao < 0)
            linhas.insert(onde++, {'[' + bSecao + ']', crlf});
        linhas.insert(onde, {bChave + '=' + bValor, crlf});
    }

    if (!QDir().mkpath(m_pasta))
        return false;
    QSaveFile arquivo(m_caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    for (const Linha &l : linhas) {
        if (arquivo.write(l.texto) != l.texto.size() || arquivo.write(l.fim) != l.fim.size()) {
            arquivo.cancelWriting();
            return false;
        }
    }
    return arquivo.commit();
}

QString ArquivoIni::pastaConfiguracaoPadrao()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The base directory rules ignore a relative value.
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::home().filePath(QStringLiteral(".config"));
}
