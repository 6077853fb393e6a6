// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportaWord.h"

#include "CaixaMensagem.h"
#include "DocumentoRtf.h"

#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryFile>
#include <unistd.h>

namespace {

const QString kPrefixo = QStringLiteral("Vistral-");
// An earlier export younger than this may still be on its way into a word processor that
// is starting; older ones it has long read.
constexpr qint64 kIdadeMinimaSegundos = 60;

} // namespace

ExportaWord::ExportaWord(CaixaMensagem &caixa)
    : m_caixa(caixa)
    , m_abreNoDesktop([](const QUrl &documento) { return QDesktopServices::openUrl(documento); })
{ }

bool ExportaWord::exporta(const OrigemRelatorio &origem, const QString &caminhoWord)
{
    if (!origem || origem->isEmpty()) {
        m_caixa.mostra(MensagensOrigem::titulo(), MensagensOrigem::semRelatorio(),
            CaixaMensagem::Icone::Critico);
        return false;
    }

    const QString arquivo = gravaTemporario(*origem);
    if (arquivo.isEmpty()) {
        m_caixa.mostra(QStringLiteral("Erro:"),
            QStringLiteral("Não foi possível gravar a análise em um arquivo "
                           "temporário para o processador de textos."),
            CaixaMensagem::Icone::Critico);
        return false;
    }
    if (!abre(arquivo, caminhoWord)) {
        QFile::remove(arquivo);
        m_caixa.mostra(QStringLiteral("Erro Iniciando Aplicativo:"),
            QStringLiteral("Vistral não conseguiu localizar o Arquivo de Execução do "
                           "Microsoft® Word. Para configurá-lo manualmente, vá ao "
                           "menu Arquivo e selecione Opções."),
            CaixaMensagem::Icone::Critico);
        return false;
    }

    // Without a GUI application (a core test) there is no clipboard to fill.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QClipboard *areaDeTransferencia = QGuiApplication::clipboard();
        areaDeTransferencia->clear();
        areaDeTransferencia->setText(*origem);
    }
    return true;
}

bool ExportaWord::abre(const QString &arquivo, const QString &caminhoWord) const
{
    // A configured program that exists but does not start is the user's to mend: the
    // desktop is asked only when nothing lies at the path (the default lowriter missing).
    if (!caminhoWord.isEmpty() && QFileInfo::exists(caminhoWord))
        return QProcess::startDetached(caminhoWord, {arquivo});
    return m_abreNoDesktop(QUrl::fromLocalFile(arquivo));
}

QString ExportaWord::pasta() const
{
    return m_pastaTemporaria.isEmpty() ? QDir::tempPath() : m_pastaTemporaria;
}

void ExportaWord::apagaExportacoesAntigas() const
{
    const QDateTime limite = QDateTime::currentDateTime().addSecs(-kIdadeMinimaSegundos);
    const QFileInfoList antigas = QDir(pasta()).entryInfoList(
        {kPrefixo + QStringLiteral("??????.rtf")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &antiga : antigas) {
        // The folder is shared: another user's exports are his to keep.
        if (antiga.ownerId() == ::getuid() && antiga.lastModified() < limite)
            QFile::remove(antiga.filePath());
    }
}

QString ExportaWord::gravaTemporario(const QString &texto) const
{
    apagaExportacoesAntigas();
    QTemporaryFile arquivo(pasta() + QLatin1Char('/') + kPrefixo + QStringLiteral("XXXXXX.rtf"));
    // The word processor reads the file after we return: it must outlive this object.
    arquivo.setAutoRemove(false);
    if (!arquivo.open())
        return {};
    const QByteArray bytes = DocumentoRtf(texto);
    if (arquivo.write(bytes) != bytes.size() || !arquivo.flush()) {
        arquivo.remove();
        return {};
    }
    return arquivo.fileName();
}
