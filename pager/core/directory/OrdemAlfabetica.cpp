// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrdemAlfabetica.h"

#include <QChar>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

const char kAlfabetica[] = "PTBR";
const char kSemCaixa[] = "PTBR_NOCASE";

// First-level weights: one range per kind of character, in the order the kinds sort.
constexpr uint32_t kSinal = 0x100; // blanks, punctuation, symbols: by their code
constexpr uint32_t kDigito = 0x200000;
constexpr uint32_t kLetra = 0x300000; // a..z
constexpr uint32_t kOutra = 0x400000; // letters of other alphabets: by their code
// A byte that does not belong to a UTF-8 character: kept apart, ordered by its value.
constexpr char32_t kInvalido = 0x110000;

// The accents, in the order they break ties between equal base letters.
enum Acento : uint8_t {
    Nenhum,
    Agudo,
    Grave,
    Circunflexo,
    Til,
    Trema,
    Anel,
    Cedilha,
    Caron,
    Outro
};

// Small letter first; a letter written as two ("ß" after "ss") or raised ("ª") comes after
// the plain spelling.
enum Caixa : uint8_t { Minuscula, Maiuscula, MinusculaVariante, MaiusculaVariante };

struct Peso
{
    uint32_t primario = 0;
    uint32_t segundo = 0; // second letter of "ss", "ae", "oe", "th"; 0: none
    uint8_t acento = Nenhum;
    uint8_t caixa = Minuscula;
};

constexpr uint32_t Letra(char c)
{
    return kLetra + uint32_t(c - 'a');
}

// Weights and small letters of the first 256 code points, which hold every letter of
// Windows-1252 but eight.
struct Tabela
{
    std::array<Peso, 256> pesos;
    std::array<char32_t, 256> minusculas;

    Tabela()
    {
        for (uint32_t c = 0; c < 256; ++c) {
            pesos[c] = {kSinal + c};
            minusculas[c] = c;
        }
        // The blank and the signs of the keyboard sort as the server's ICU collation sorts
        // them (blank, then punctuation, then symbols), before every other sign.
        const char sinais[] = " _-,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$";
        for (uint32_t i = 0; sinais[i] != '\0'; ++i)
            pesos[uchar(sinais[i])] = {1 + i};
        for (uint32_t d = 0; d < 10; ++d)
            pesos['0' + d] = {kDigito + d};
        for (char c = 'a'; c <= 'z'; ++c) {
            const auto maiuscula = uchar(c - 'a' + 'A');
            pesos[uchar(c)] = {Letra(c)};
            pesos[maiuscula] = {Letra(c), 0, Nenhum, Maiuscula};
            minusculas[maiuscula] = char32_t(uchar(c));
        }
        // "À".."Þ" at 0xC0 + i and "à".."þ" at 0xE0 + i are the same letter; '*' marks
        // "×" and "÷", which are signs, and the last place ("ß", "ÿ"), set below.
        const char base[] = "aaaaaaaceeeeiiiidnooooo*ouuuuyt*";
        const Acento acentos[32] = {Grave, Agudo, Circunflexo, Til, Trema, Anel, Nenhum, Cedilha,
            Grave, Agudo, Circunflexo, Trema, Grave, Agudo, Circunflexo, Trema, Outro, Til, Grave,
            Agudo, Circunflexo, Til, Trema, Nenhum, Outro, Grave, Agudo, Circunflexo, Trema, Agudo,
            Nenhum, Nenhum};
        for (int i = 0; i < 32; ++i) {
            if (base[i] == '*')
                continue;
            for (const bool capital : {true, false}) {
                Peso &p = pesos[(capital ? 0xC0 : 0xE0) + i];
                p = {Letra(base[i]), 0, acentos[i], capital ? Maiuscula : Minuscula};
                if (i == 6 || i == 30) { // "æ" = "ae", "þ" = "th"
                    p.segundo = Letra(i == 6 ? 'e' : 'h');
                    p.caixa = capital ? MaiusculaVariante : MinusculaVariante;
                }
            }
            minusculas[0xC0 + i] = char32_t(0xE0 + i);
        }
        pesos[0xDF] = {Letra('s'), Letra('s'), Nenhum, MinusculaVariante};
        pesos[0xFF] = {Letra('y'), 0, Trema, Minuscula};
        pesos[0xAA] = {Letra('a'), 0, Nenhum, MinusculaVariante};
        pesos[0xBA] = {Letra('o'), 0, Nenhum, MinusculaVariante};
        pesos[0xB9] = {kDigito + 1, 0, Nenhum, MinusculaVariante};
        pesos[0xB2] = {kDigito + 2, 0, Nenhum, MinusculaVariante};
        pesos[0xB3] = {kDigito + 3, 0, Nenhum, MinusculaVariante};
    }
};

// Built before main() runs, so looking it up costs no guard on every character.
const Tabela kTabela;

const Tabela &Tab()
{
    return kTabela;
}

Peso PesoDe(char32_t c)
{
    if (c < 256)
        return Tab().pesos[c];
    switch (c) {
    case 0x152: return {Letra('o'), Letra('e'), Nenhum, MaiusculaVariante}; // Œ
    case 0x153: return {Letra('o'), Letra('e'), Nenhum, MinusculaVariante}; // œ
    case 0x160: return {Letra('s'), 0, Caron, Maiuscula}; // Š
    case 0x161: return {Letra('s'), 0, Caron, Minuscula}; // š
    case 0x17D: return {Letra('z'), 0, Caron, Maiuscula}; // Ž
    case 0x17E: return {Letra('z'), 0, Caron, Minuscula}; // ž
    case 0x178: return {Letra('y'), 0, Trema, Maiuscula}; // Ÿ
    case 0x192: return {Letra('f'), 0, Outro, Minuscula}; // ƒ
    default: break;
    }
    if (c < kInvalido && QChar::isLetter(c))
        return {kOutra + c};
    return {kSinal + c};
}

char32_t MinusculaDe(char32_t c)
{
    if (c < 256)
        return Tab().minusculas[c];
    switch (c) {
    case 0x152: return 0x153;
    case 0x160: return 0x161;
    case 0x17D: return 0x17E;
    case 0x178: return 0xFF;
    default: return c < kInvalido ? QChar::toCaseFolded(c) : c;
    }
}

// Reads the characters of a UTF-8 text one by one.
class Leitor
{
public:
    Leitor(const uchar *p, const uchar *fim)
        : p_(p)
        , fim_(fim)
    { }

    bool Fim() const { return p_ == fim_; }

    char32_t Proximo()
    {
        const uchar b = *p_++;
        if (b < 0x80)
            return b;
        int seguintes = 0;
        char32_t c = 0;
        if ((b & 0xE0) == 0xC0) {
            seguintes = 1;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            seguintes = 2;
            c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            seguintes = 3;
            c = b & 0x07;
        } else {
            return kInvalido + b;
        }
        if (fim_ - p_ < seguintes)
            return kInvalido + b;
        for (int i = 0; i < seguintes; ++i) {
            if ((p_[i] & 0xC0) != 0x80)
                return kInvalido + b;
            c = (c << 6) | (p_[i] & 0x3F);
        }
        p_ += seguintes;
        return c;
    }

private:
    const uchar *p_;
    const uchar *fim_;
};

// The weights of a text in order, a letter written as two giving two.
class Elementos
{
public:
    Elementos(const uchar *p, const uchar *fim)
        : leitor_(p, fim)
    { }

    bool Proximo(Peso &peso)
    {
        if (pendente_.primario != 0) {
            peso = std::exchange(pendente_, Peso{});
            return true;
        }
        if (leitor_.Fim())
            return false;
        peso = PesoDe(leitor_.Proximo());
        if (peso.segundo != 0)
            pendente_ = {peso.segundo, 0, Nenhum, peso.caixa};
        return true;
    }

private:
    Leitor leitor_;
    Peso pendente_;
};

template <typename Nivel>
int ComparaNivel(const uchar *a, const uchar *fa, const uchar *b, const uchar *fb, Nivel nivel)
{
    Elementos ea(a, fa);
    Elementos eb(b, fb);
    Peso x;
    Peso y;
    for (;;) {
        const bool temA = ea.Proximo(x);
        const bool temB = eb.Proximo(y);
        if (!temA || !temB)
            return int(temA) - int(temB);
        const uint32_t va = nivel(x);
        const uint32_t vb = nivel(y);
        if (va != vb)
            return va < vb ? -1 : 1;
    }
}

// The first-level weight of the character at `p` when it is ASCII or a two-byte Latin-1
// letter that stands alone, moving `p` past it; false (and `p` unmoved) otherwise.
bool PrimarioSimples(const uchar *&p, const uchar *fim, uint32_t &peso)
{
    const uchar c = *p;
    if (c < 0x80) {
        peso = kTabela.pesos[c].primario;
        ++p;
        return true;
    }
    if ((c == 0xC2 || c == 0xC3) && fim - p >= 2 && (p[1] & 0xC0) == 0x80) {
        const Peso &e = kTabela.pesos[((c & 0x1F) << 6) | (p[1] & 0x3F)];
        if (e.segundo != 0)
            return false;
        peso = e.primario;
        p += 2;
        return true;
    }
    return false;
}

const uchar *Bytes(QByteArrayView texto)
{
    return reinterpret_cast<const uchar *>(texto.data());
}

int ComparaBytes(const uchar *a, size_t na, const uchar *b, size_t nb)
{
    const int r = std::memcmp(a, b, std::min(na, nb));
    if (r != 0)
        return r < 0 ? -1 : 1;
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

} // namespace

namespace ordem {

QString Alfabetica()
{
    return QString::fromLatin1(kAlfabetica);
}

QString SemCaixa()
{
    return QString::fromLatin1(kSemCaixa);
}

int Compara(QByteArrayView textoA, QByteArrayView textoB)
{
    const uchar *a = Bytes(textoA);
    const uchar *b = Bytes(textoB);
    const size_t na = size_t(textoA.size());
    const size_t nb = size_t(textoB.size());
    // A common beginning weighs the same in both: start at the first character that
    // differs (backing up to its first byte).
    size_t i = 0;
    const size_t n = std::min(na, nb);
    for (uint64_t x = 0, y = 0; i + 8 <= n; i += 8) {
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y)
            break;
    }
    while (i < n && a[i] == b[i])
        ++i;
    if (i == na && i == nb)
        return 0;
    const auto continuacao
        = [](const uchar *t, size_t nt, size_t k) { return k < nt && (t[k] & 0xC0) == 0x80; };
    while (i > 0 && (continuacao(a, na, i) || continuacao(b, nb, i)))
        --i;
    a += i;
    b += i;
    const uchar *fa = Bytes(textoA) + na;
    const uchar *fb = Bytes(textoB) + nb;
    // Most letters of a name are ASCII or Latin-1 without a second letter: their base
    // letters decide at once, one table lookup each, without the general reader.
    const uchar *pa = a;
    const uchar *pb = b;
    uint32_t x = 0;
    uint32_t y = 0;
    while (pa < fa && pb < fb) {
        const uchar *qa = pa;
        const uchar *qb = pb;
        if (!PrimarioSimples(qa, fa, x) || !PrimarioSimples(qb, fb, y))
            break;
        if (x != y)
            return x < y ? -1 : 1;
        pa = qa;
        pb = qb;
    }
    if (int r = ComparaNivel(pa, fa, pb, fb, [](const Peso &p) { return p.primario; }))
        return r;
    if (int r = ComparaNivel(a, fa, b, fb, [](const Peso &p) { return uint32_t(p.acento); }))
        return r;
    if (int r = ComparaNivel(a, fa, b, fb, [](const Peso &p) { return uint32_t(p.caixa); }))
        return r;
    return ComparaBytes(a, size_t(fa - a), b, size_t(fb - b));
}

int ComparaSemCaixa(QByteArrayView textoA, QByteArrayView textoB)
{
    Leitor a(Bytes(textoA), Bytes(textoA) + textoA.size());
    Leitor b(Bytes(textoB), Bytes(textoB) + textoB.size());
    while (!a.Fim() && !b.Fim()) {
        const char32_t ca = MinusculaDe(a.Proximo());
        const char32_t cb = MinusculaDe(b.Proximo());
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return int(!a.Fim()) - int(!b.Fim());
}

void Ordena(QStringList &textos)
{
    std::vector<std::pair<QByteArray, QString>> pares;
    pares.reserve(size_t(textos.size()));
    for (QString &texto : textos)
        pares.emplace_back(texto.toUtf8(), std::move(texto));
    std::sort(pares.begin(), pares.end(),
        [](const auto &x, const auto &y) { return Compara(x.first, y.first) < 0; });
    for (qsizetype i = 0; i < textos.size(); ++i)
        textos[i] = std::move(pares[size_t(i)].second);
}

} // namespace ordem
