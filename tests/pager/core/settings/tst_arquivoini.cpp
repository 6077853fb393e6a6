// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/ArquivoIni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

QByteArray le(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escreve(const QString &caminho, const QByteArray &bytes)
{
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QString kNome = QStringLiteral("Tellumo.INI");

// While alive, the superuser meets file permissions as an ordinary user does (the test
// suite may well run as root).
class ComoUsuarioComum
{
public:
    ComoUsuarioComum()
    {
        if (::syscall(SYS_capget, &m_cabecalho, m_antes) != 0)
            return;
        __user_cap_data_struct depois[2];
        std::memcpy(depois, m_antes, sizeof depois);
        depois[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_mudou = ::syscall(SYS_capset, &m_cabecalho, depois) == 0;
    }
    ~ComoUsuarioComum()
    {
        if (m_mudou)
            ::syscall(SYS_capset, &m_cabecalho, m_antes);
    }
    ComoUsuarioComum(const ComoUsuarioComum &) = delete;
    ComoUsuarioComum &operator=(const ComoUsuarioComum &) = delete;

private:
    __user_cap_header_struct m_cabecalho{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_antes[2]{};
    bool m_mudou = false;
};

} // namespace

class TestArquivoIni : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void leituraDeArquivoEditadoAMao_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("secao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("esperado");

        const QByteArray editado = "lixo antes de tudo\r\n"
                                   "[MODEM]\n"
                                   "Porta Serial=2\r\n"
                                   "Porta Serial=3\r\n"
                                   "linha sem igual\r\n"
                                   "; Inicialização=comentario\r\n"
                                   "  Inicializa\xe7\xe3o =  AT&F  \r\n"
                                   "Vazia=\r\n"
                                   "Aspas=\"  com brancos \"\r\n"
                                   "[DISCAGEM]\n"
                                   "Padr\xe3o=021\n"
                                   "[MODEM]\r\n"
                                   "Tarde=nao conta\r\n"
                                   "[OP\xc7\xd5"
                                   "ES]\r\n"
                                   "AutoEnviar=Sim";
        QTest::newRow("ausente: arquivo inexistente") << QByteArray() << "MODEM"
                                                      << "Porta Serial"
                                                      << "VAZIO";
        QTest::newRow("ausente: seção") << editado << "LISTAGEM"
                                        << "Opção"
                                        << "VAZIO";
        QTest::newRow("ausente: chave") << editado << "DISCAGEM"
                                        << "Telefone"
                                        << "VAZIO";
        QTest::newRow("chave duplicada: vale a primeira") << editado << "MODEM"
                                                          << "Porta Serial"
                                                          << "2";
        QTest::newRow("nome acentuado, brancos em volta") << editado << "MODEM"
                                                          << "Inicialização"
                                                          << "AT&F";
        QTest::newRow("presente e vazia lê vazio") << editado << "MODEM"
                                                   << "Vazia"
                                                   << "";
        QTest::newRow("aspas retiradas") << editado << "MODEM"
                                         << "Aspas"
                                         << "  com brancos ";
        QTest::newRow("linha só com LF") << editado << "DISCAGEM"
                                         << "Padrão"
                                         << "021";
        QTest::newRow("seção repetida: vale a primeira") << editado << "MODEM"
                                                         << "Tarde"
                                                         << "VAZIO";
        QTest::newRow("última linha sem fim") << editado << "OPÇÕES"
                                              << "AutoEnviar"
                                              << "Sim";
        QTest::newRow("acento conta: OPCOES não é OPÇÕES") << editado << "OPCOES"
                                                           << "AutoEnviar"
                                                           << "VAZIO";
        QTest::newRow("acento conta: Padrao não é Padrão") << editado << "DISCAGEM"
                                                           << "Padrao"
                                                           << "VAZIO";
        QTest::newRow("caixa não conta nos nomes") << editado << "modem"
                                                   << "PORTA SERIAL"
                                                   << "2";
        QTest::newRow("caixa não conta: ç é Ç") << editado << "opções"
                                                << "autoenviar"
                                                << "Sim";
        QTest::newRow("comentário não é chave") << editado << "MODEM"
                                                << "; Inicialização"
                                                << "VAZIO";
    }
    void leituraDeArquivoEditadoAMao()
    {
        QFETCH(QByteArray, conteudo);
        QFETCH(QString, secao);
        QFETCH(QString, chave);
        QFETCH(QString, esperado);
        QTemporaryDir pasta;
        if (!conteudo.isNull())
            escreve(pasta.filePath(kNome), conteudo);
        const ArquivoIni ini(pasta.path(), kNome);
        QCOMPARE(ini.LePerfil(secao, chave, QStringLiteral("VAZIO")), esperado);
    }

    void valorLongoLidoAte99Caracteres()
    {
        QTemporaryDir pasta;
        ArquivoIni ini(pasta.path(), kNome);
        const QString longo = QString(120, QLatin1Char('9'));
        QVERIFY(ini.GravaPerfil(QStringLiteral("DISCAGEM"), QStringLiteral("Telefone"), longo));
        QCOMPARE(ini.LePerfil(QStringLiteral("DISCAGEM"), QStringLiteral("Telefone"), {}),
            longo.left(99));
        QVERIFY(le(ini.caminho()).contains(longo.toLatin1()));
    }

    void escritaCriaPastaArquivoESecaoEmWindows1252()
    {
        QTemporaryDir base;
        const QString pasta = base.filePath(QStringLiteral("nova/config"));
        ArquivoIni ini(pasta, kNome);
        QVERIFY(ini.GravaPerfil(
            QStringLiteral("OPÇÕES"), QStringLiteral("AutoEnviar"), QStringLiteral("Não")));
        QVERIFY(ini.GravaPerfil(
            QStringLiteral("DISCAGEM"), QStringLiteral("Padrão"), QStringLiteral("011")));
        QVERIFY(ini.GravaPerfil(
            QStringLiteral("OPÇÕES"), QStringLiteral("Configurações"), QStringLiteral("x")));
        QCOMPARE(le(QDir(pasta).filePath(kNome)),
            QByteArray("[OP\xc7\xd5"
                       "ES]\r\nAutoEnviar=N\xe3o\r\nConfigura\xe7\xf5"
                       "es=x\r\n"
                       "[DISCAGEM]\r\nPadr\xe3o=011\r\n"));
        QCOMPARE(ini.LePerfil(QStringLiteral("OPÇÕES"), QStringLiteral("AutoEnviar"), {}),
            QStringLiteral("Não"));
    }

    void escritaMudaSoALinhaDaChave_data()
    {
        QTest::addColumn<QString>("secao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QByteArray>("esperado");
        // Junk, a comment, LF-only ends, a duplicated key and no final line end.
        const QByteArray antes = "lixo\n[MODEM]\r\nPorta Serial=1\nPorta Serial=9\r\n; "
                                 "nota\r\n\r\n[DISCAGEM]\nLinha=Tom";
        QTest::newRow("troca a primeira de duas chaves")
            << "MODEM"
            << "Porta Serial"
            << QByteArray("lixo\n[MODEM]\r\nPorta Serial=4\nPorta Serial=9\r\n; "
                          "nota\r\n\r\n[DISCAGEM]\nLinha=Tom");
        QTest::newRow("nomes em outra caixa mudam a mesma linha")
            << "modem"
            << "PORTA SERIAL"
            << QByteArray("lixo\n[MODEM]\r\nPorta Serial=4\nPorta Serial=9\r\n; "
                          "nota\r\n\r\n[DISCAGEM]\nLinha=Tom");
        QTest::newRow("chave nova entra no fim da sua seção")
            << "MODEM"
            << "COM1"
            << QByteArray("lixo\n[MODEM]\r\nPorta Serial=1\nPorta Serial=9\r\n; "
                          "nota\r\nCOM1=4\r\n\r\n[DISCAGEM]\nLinha=Tom");
        QTest::newRow("última linha sem fim ganha CR LF")
            << "DISCAGEM"
            << "Prefixo"
            << QByteArray("lixo\n[MODEM]\r\nPorta Serial=1\nPorta Serial=9\r\n; "
                          "nota\r\n\r\n[DISCAGEM]\nLinha=Tom\r\nPrefixo=4\r\n");
        QTest::newRow("seção nova no fim do arquivo")
            << "OPÇÕES"
            << "AutoEnviar"
            << QByteArray("lixo\n[MODEM]\r\nPorta Serial=1\nPorta Serial=9\r\n; "
                          "nota\r\n\r\n[DISCAGEM]\nLinha=Tom\r\n[OP\xc7\xd5"
                          "ES]\r\nAutoEnviar=4\r\n");
        QTest::newRow("troca a última linha, que segue sem fim")
            << "DISCAGEM"
            << "Linha"
            << QByteArray("lixo\n[MODEM]\r\nPorta Serial=1\nPorta Serial=9\r\n; "
                          "nota\r\n\r\n[DISCAGEM]\nLinha=4");
    }
    void escritaMudaSoALinhaDaChave()
    {
        QFETCH(QString, secao);
        QFETCH(QString, chave);
        QFETCH(QByteArray, esperado);
        QTemporaryDir pasta;
        escreve(pasta.filePath(kNome),
            "lixo\n[MODEM]\r\nPorta Serial=1\nPorta Serial=9\r\n; "
            "nota\r\n\r\n[DISCAGEM]\nLinha=Tom");
        ArquivoIni ini(pasta.path(), kNome);
        QVERIFY(ini.GravaPerfil(secao, chave, QStringLiteral("4")));
        QCOMPARE(le(ini.caminho()), esperado);
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden), QStringList{kNome});
    }

    void quebraDeLinhaNoValorNaoParteOArquivo()
    {
        QTemporaryDir pasta;
        ArquivoIni ini(pasta.path(), kNome);
        QVERIFY(ini.GravaPerfil(
            QStringLiteral("DISCAGEM"), QStringLiteral("Prefixo"), QStringLiteral("01\r\n[X]")));
        QVERIFY(ini.GravaPerfil(
            QStringLiteral("DISCAGEM"), QStringLiteral("Linha"), QStringLiteral("Tom")));
        QCOMPARE(ini.LePerfil(QStringLiteral("DISCAGEM"), QStringLiteral("Linha"), {}),
            QStringLiteral("Tom"));
        QCOMPARE(ini.LePerfil(QStringLiteral("X"), QStringLiteral("Linha"), QStringLiteral("nada")),
            QStringLiteral("nada"));
    }

    void escritaQueFalhaNaoMexeEmNada()
    {
        QTemporaryDir base;
        // A file where the folder should be: the write cannot happen.
        escreve(base.filePath(QStringLiteral("ocupado")), "conteudo");
        ArquivoIni ini(base.filePath(QStringLiteral("ocupado")), kNome);
        QVERIFY(!ini.GravaPerfil(
            QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1")));
        QCOMPARE(le(base.filePath(QStringLiteral("ocupado"))), QByteArray("conteudo"));
        QCOMPARE(ini.LePerfil(QStringLiteral("MODEM"), QStringLiteral("Porta Serial"),
                     QStringLiteral("VAZIO")),
            QStringLiteral("VAZIO"));
    }

    // A file that cannot be read cannot be rewritten line by line: replacing it would lose
    // every key the program did not write itself.
    void arquivoIlegivelNaoESubstituido()
    {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(kNome);
        const QByteArray conteudo("[MODEM]\r\nCOM1=/dev/ttyUSB0\r\nTelefone=2233-4455\r\n");
        escreve(caminho, conteudo);
        QVERIFY(QFile::setPermissions(caminho, QFile::WriteOwner));
        bool gravou = true;
        {
            ComoUsuarioComum comum;
            QFile teste(caminho);
            if (teste.open(QIODevice::ReadOnly))
                QSKIP("this account reads files whatever their permissions");
            ArquivoIni ini(pasta.path(), kNome);
            gravou = ini.GravaPerfil(
                QStringLiteral("MODEM"), QStringLiteral("Porta Serial"), QStringLiteral("1"));
        }
        QVERIFY(QFile::setPermissions(caminho, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(!gravou);
        QCOMPARE(le(caminho), conteudo);
    }

    void pastaDeConfiguracao_data()
    {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QString>("esperada");
        QTest::newRow("XDG_CONFIG_HOME") << QByteArray("/tmp/cfg-tellumo") << "/tmp/cfg-tellumo";
        QTest::newRow("sem XDG: ~/.config")
            << QByteArray() << QDir::home().filePath(QStringLiteral(".config"));
        QTest::newRow("XDG relativo é ignorado")
            << QByteArray("rel/cfg") << QDir::home().filePath(QStringLiteral(".config"));
    }
    void pastaDeConfiguracao()
    {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, esperada);
        const QByteArray antes = qgetenv("XDG_CONFIG_HOME");
        if (xdg.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", xdg);
        const QString pasta = ArquivoIni::pastaConfiguracaoPadrao();
        if (antes.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", antes);
        QCOMPARE(pasta, esperada);
    }
};

QTEST_GUILESS_MAIN(TestArquivoIni)
#include "tst_arquivoini.moc"
