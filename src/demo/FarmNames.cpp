#include "FarmNames.h"

#include <QStringList>

namespace {

// The i-th name of the list, numbered once the list has been used up.
QString cycled(const QStringList &names, int i)
{
    const QString &name = names.at(i % names.size());
    const int round = i / names.size();
    return round == 0 ? name : QStringLiteral("%1 %2").arg(name).arg(round + 1);
}

const QStringList &firstNames()
{
    static const QStringList names{
        QStringLiteral("Giuseppe"),  QStringLiteral("Maria"),    QStringLiteral("Antonio"),
        QStringLiteral("Francesca"), QStringLiteral("Giovanni"), QStringLiteral("Anna"),
        QStringLiteral("Luigi"),     QStringLiteral("Rosa"),     QStringLiteral("Salvatore"),
        QStringLiteral("Lucia"),     QStringLiteral("Marco"),    QStringLiteral("Giulia"),
        QStringLiteral("Francesco"), QStringLiteral("Elena"),    QStringLiteral("Alessandro"),
        QStringLiteral("Paola"),     QStringLiteral("Roberto"),  QStringLiteral("Teresa"),
        QStringLiteral("Stefano"),   QStringLiteral("Carla"),    QStringLiteral("Davide"),
        QStringLiteral("Silvia"),    QStringLiteral("Matteo")};
    return names;
}

const QStringList &lastNames()
{
    static const QStringList names{
        QStringLiteral("Rossi"),   QStringLiteral("Bianchi"),   QStringLiteral("Esposito"),
        QStringLiteral("Ferrari"), QStringLiteral("Colombo"),   QStringLiteral("Ricci"),
        QStringLiteral("Marino"),  QStringLiteral("Greco"),     QStringLiteral("Bruno"),
        QStringLiteral("Gallo"),   QStringLiteral("Conti"),     QStringLiteral("Mancini"),
        QStringLiteral("Costa"),   QStringLiteral("Giordano"),  QStringLiteral("Lombardi"),
        QStringLiteral("Moretti"), QStringLiteral("Barbieri"),  QStringLiteral("Fontana"),
        QStringLiteral("Santoro"), QStringLiteral("Mariani"),   QStringLiteral("Rinaldi"),
        QStringLiteral("Caruso"),  QStringLiteral("Ferri"),     QStringLiteral("Galli"),
        QStringLiteral("Martini"), QStringLiteral("Leone"),     QStringLiteral("Longo"),
        QStringLiteral("Gentile"), QStringLiteral("Martinelli")};
    return names;
}

} // namespace

namespace FarmNames {

QString worker(int i)
{
    // The two lists have coprime lengths, so names repeat only after their product.
    const int people = int(firstNames().size() * lastNames().size());
    const QString name = lastNames().at(i % lastNames().size()) + QLatin1Char(' ') +
                         firstNames().at(i % firstNames().size());
    return i < people ? name : QStringLiteral("%1 %2").arg(name).arg(i / people + 1);
}

QString crop(int i)
{
    static const QStringList names{QStringLiteral("Vigneto Sangiovese"),
                                   QStringLiteral("Oliveto"),
                                   QStringLiteral("Frumento duro"),
                                   QStringLiteral("Mais da granella"),
                                   QStringLiteral("Pomodoro da industria"),
                                   QStringLiteral("Erba medica"),
                                   QStringLiteral("Vigneto Trebbiano"),
                                   QStringLiteral("Girasole"),
                                   QStringLiteral("Orzo"),
                                   QStringLiteral("Frutteto di pesco"),
                                   QStringLiteral("Noccioleto"),
                                   QStringLiteral("Barbabietola da zucchero"),
                                   QStringLiteral("Colza"),
                                   QStringLiteral("Soia"),
                                   QStringLiteral("Favino")};
    return cycled(names, i);
}

QString cropEppoCode(int i)
{
    // In the order of the crops' names.
    static const QStringList codes{
        QStringLiteral("VITVI"), QStringLiteral("OLVEU"), QStringLiteral("TRZDU"),
        QStringLiteral("ZEAMX"), QStringLiteral("LYPES"), QStringLiteral("MEDSA"),
        QStringLiteral("VITVI"), QStringLiteral("HELAN"), QStringLiteral("HORVX"),
        QStringLiteral("PRNPS"), QStringLiteral("CYLAV"), QStringLiteral("BEAVA"),
        QStringLiteral("BRSNN"), QStringLiteral("GLXMA"), QStringLiteral("VICFX")};
    return codes.at(i % codes.size());
}

QString field(int i)
{
    static const QStringList places{
        QStringLiteral("Podere Casanova"),  QStringLiteral("Fosso del Mulino"),
        QStringLiteral("La Macchia"),       QStringLiteral("Poggio Alto"),
        QStringLiteral("Campo Lungo"),      QStringLiteral("Le Querce"),
        QStringLiteral("Il Piano"),         QStringLiteral("Valle Scura"),
        QStringLiteral("Case Nuove"),       QStringLiteral("Santa Lucia"),
        QStringLiteral("La Fornace"),       QStringLiteral("Pian del Lago"),
        QStringLiteral("Colle Verde"),      QStringLiteral("I Cipressi"),
        QStringLiteral("Ponte Rosso"),      QStringLiteral("Il Castagno"),
        QStringLiteral("La Pieve"),         QStringLiteral("Prato Grande"),
        QStringLiteral("Le Vigne Vecchie"), QStringLiteral("San Martino"),
        QStringLiteral("La Torre")};
    return cycled(places, i);
}

QString machine(int i)
{
    static const QStringList names{
        QStringLiteral("Trattore New Holland T5"),  QStringLiteral("Trattore cingolato Fiat 70"),
        QStringLiteral("Atomizzatore 1000 l"),      QStringLiteral("Erpice rotante"),
        QStringLiteral("Rimorchio ribaltabile"),    QStringLiteral("Seminatrice pneumatica"),
        QStringLiteral("Spandiconcime centrifugo"), QStringLiteral("Trinciatrice"),
        QStringLiteral("Aratro bivomere"),          QStringLiteral("Pressa per rotoballe")};
    return cycled(names, i);
}

int machineYear(int i)
{
    return 1996 + (i * 7) % 27;
}

QString otherCentre(int i)
{
    static const QStringList names{QStringLiteral("Magazzino e rimessa"),
                                   QStringLiteral("Officina"), QStringLiteral("Amministrazione"),
                                   QStringLiteral("Cantina"), QStringLiteral("Frantoio")};
    return cycled(names, i);
}

QString operation(int i)
{
    static const QStringList names{QStringLiteral("Aratura"),
                                   QStringLiteral("Erpicatura"),
                                   QStringLiteral("Semina"),
                                   QStringLiteral("Concimazione"),
                                   QStringLiteral("Trattamento fitosanitario"),
                                   QStringLiteral("Diserbo"),
                                   QStringLiteral("Irrigazione"),
                                   QStringLiteral("Potatura"),
                                   QStringLiteral("Raccolta"),
                                   QStringLiteral("Vendemmia"),
                                   QStringLiteral("Trinciatura erba"),
                                   QStringLiteral("Manutenzione macchine"),
                                   QStringLiteral("Trasporto"),
                                   QStringLiteral("Vendita prodotti"),
                                   QStringLiteral("Acquisti e pratiche"),
                                   QStringLiteral("Legatura tralci"),
                                   QStringLiteral("Sfalcio e fienagione"),
                                   QStringLiteral("Pulizia fossi")};
    return cycled(names, i);
}

} // namespace FarmNames
