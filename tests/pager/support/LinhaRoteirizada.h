// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/line/LinhaSerial.h"

#include <QList>
#include <QStringList>
#include <functional>

class RelogioVirtual;

// A serial line for tests, with a scripted other end. What the program writes is recorded
// (with the virtual time of each write) and handed to a responder, which may answer at once
// (chega) or later on the virtual clock (chegaApos); replies can also be queued at given
// times by the test. Opening can be refused per device, and the line can be made to vanish.
// With a Hayes-style responder (ModemHayes.h) it plays a modem; a later script can play the
// paging service behind it the same way.
class LinhaRoteirizada : public LinhaSerial
{
public:
    struct Escrita
    {
        double instante;
        QByteArray bytes;
    };
    using Respondedor = std::function<void(const QByteArray &escrito, LinhaRoteirizada &linha)>;

    explicit LinhaRoteirizada(RelogioVirtual &relogio)
        : m_relogio(relogio)
    { }

    void defineRespondedor(Respondedor r) { m_respondedor = std::move(r); }
    // Decides whether abre() succeeds for a device and a settings text (default: always),
    // and the reason erro() gives for a refusal.
    void defineAbertura(
        std::function<bool(const QString &, const QString &)> aceita, const QString &motivo = {})
    {
        m_aceita = std::move(aceita);
        m_motivo = motivo;
    }

    // Bytes arriving from the other end now, or after `segundos` of virtual time.
    void chega(const QByteArray &bytes);
    void chegaApos(double segundos, const QByteArray &bytes);
    // The line vanishes now (unplugged): reads end, writes fail.
    void derruba();

    QByteArray escrito() const;
    const QList<Escrita> &escritas() const { return m_escritas; }
    void limpaEscrito() { m_escritas.clear(); }
    // Every abre() as "device|settings", successful or not.
    const QStringList &aberturas() const { return m_aberturas; }
    QString dispositivo() const { return m_dispositivo; }
    RelogioVirtual &relogio() { return m_relogio; }

    bool abre(const QString &dispositivo, const QString &configuracoes) override;
    void fecha() override { m_aberta = false; }
    bool aberta() const override { return m_aberta; }
    bool escreve(const QByteArray &bytes) override;
    QByteArray le() override;
    int aguardando() override
    {
        return m_aberta && !m_perdida ? static_cast<int>(m_entrada.size()) : 0;
    }
    bool aguardaEntrada(int milissegundos) override;
    bool perdida() const override { return m_perdida; }
    QString erro() const override { return m_aberta ? QString() : m_motivo; }

private:
    RelogioVirtual &m_relogio;
    Respondedor m_respondedor;
    std::function<bool(const QString &, const QString &)> m_aceita;
    QList<Escrita> m_escritas;
    QStringList m_aberturas;
    QString m_dispositivo;
    QString m_motivo;
    QByteArray m_entrada;
    bool m_aberta = false;
    bool m_perdida = false;
};
