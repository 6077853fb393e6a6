// SPDX-License-Identifier: GPL-3.0-or-later
// The dial line built from whatever the settings file holds: one modem command of printable
// characters, never a second command carried in by a control character.
//
// Input: the bytes of Tellumo.INI.
#include "Entrada.h"
#include "PastaDeTrabalho.h"
#include "core/modem/Discagem.h"
#include "core/settings/ArquivoIni.h"

#include <QFile>
#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho)
{
    ArquivoIni ini(fuzz::pastaDeTrabalho(), QStringLiteral("Tellumo.INI"));
    {
        QFile f(ini.caminho());
        EXIGE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        EXIGE(f.write(reinterpret_cast<const char *>(dados), static_cast<qint64>(tamanho))
            == static_cast<qint64>(tamanho));
    }
    const ParametrosDiscagem p = LeParametrosDiscagem(ini);
    const QString linha = MontaLinhaDiscagem(p);
    EXIGE(linha.startsWith(QStringLiteral("AT")));
    EXIGE(linha.contains(QStringLiteral("DT ")) || linha.contains(QStringLiteral("DP ")));
    EXIGE(std::none_of(linha.begin(), linha.end(), fuzz::controle));
    // Each of the three parts read is at most 99 characters.
    EXIGE(linha.size() <= 8 + 3 * ArquivoIni::kTamanhoMaximoValor + 1);
    return 0;
}
