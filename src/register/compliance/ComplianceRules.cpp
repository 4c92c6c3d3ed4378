#include "register/compliance/ComplianceRules.h"
#include "register/compliance/CardBytes.h"

#include <functional>

namespace Compliance {
namespace {

using namespace CardBytes;

// What a rule's check sees: the encoded card, its parsed date and amount,
// the figures of the law and the facts from outside the card.
struct Card
{
    const char *record;
    const Settings &settings;
    const CardFacts &facts;
    std::optional<qint64> day;
    std::optional<qint64> cents;
    bool cash;
};

// A check names the field at fault, or nothing when the card complies.
using Check = std::function<std::optional<Field>(const Card &)>;

std::optional<Field> firstEmpty(const Card &c, std::initializer_list<Field> fields)
{
    for (Field f : fields)
        if (empty(c.record, f))
            return f;
    return std::nullopt;
}

struct Entry
{
    Rule rule;
    Check check;
    bool photos = false;  // its field is a photo, not a record field
};

QString lit(const char *utf8) { return QString::fromUtf8(utf8); }

const QList<Entry> &entries()
{
    // Kept in the order of the codes: findings come out in that order.
    static const QList<Entry> table = {
        {{lit("CONTANTI_500"), lit("Mezzo"),
          lit("Pagamento in contanti di %SOGLIA € o più: serve un mezzo tracciabile "
              "(D.Lgs. 92/2017, art. 4, c. 2).")},
         [](const Card &c) -> std::optional<Field> {
             if (c.cash && c.cents && *c.cents >= c.settings.cashThresholdCents)
                 return Mezzo;
             return std::nullopt;
         }},
        {{lit("DATA_INESISTENTE"), lit("DataNasc"),
          lit("Una data della scheda (nascita, rilascio, scadenza o vendita) non esiste: "
              "scriverla come gg/mm/aaaa.")},
         [](const Card &c) -> std::optional<Field> {
             for (Field f : {DataNasc, DataRil, DataSca, DataVen}) {
                 const QByteArrayView t = trimmed(c.record, f);
                 if (!t.isEmpty() && !day(t))
                     return f;
             }
             return std::nullopt;
         }},
        {{lit("DATA_ORA"), lit("Data"),
          lit("Data o ora dell'operazione mancante o non valida (D.Lgs. 92/2017, art. 5, c. 2, lett. e).")},
         [](const Card &c) -> std::optional<Field> {
             if (!c.day)
                 return Data;
             if (!isTime(trimmed(c.record, Ora)))
                 return Ora;
             return std::nullopt;
         }},
        {{lit("DATI_CLIENTE"), lit("Cliente"),
          lit("Dati del cliente incompleti: nome, codice fiscale, data e luogo di nascita "
              "(D.Lgs. 92/2017, art. 4, c. 1 e art. 5, c. 2, lett. a).")},
         [](const Card &c) { return firstEmpty(c, {Cliente, CodFisc, DataNasc, LuogoNasc}); }},
        {{lit("DESTINAZIONE_MANCANTE"), lit("Compratore"),
          lit("Oggetto venduto senza acquirente, destinazione o data della vendita "
              "(D.Lgs. 92/2017, art. 5, c. 2, lett. g).")},
         [](const Card &c) -> std::optional<Field> {
             if (trimmed(c.record, Venduto) != QByteArrayView("S\xEC"))
                 return std::nullopt;
             return firstEmpty(c, {Compratore, Destinazione, DataVen});
         }},
        {{lit("DOCUMENTO_MANCANTE"), lit("TipoDoc"),
          lit("Documento d'identità incompleto: tipo, numero, ente e data di rilascio "
              "(R.D. 773/1931, TULPS, art. 128).")},
         [](const Card &c) { return firstEmpty(c, {TipoDoc, NumDoc, EnteRil, DataRil}); }},
        {{lit("DOCUMENTO_SCADUTO"), lit("DataSca"),
          lit("Documento d'identità scaduto alla data dell'operazione (TULPS, art. 128).")},
         [](const Card &c) -> std::optional<Field> {
             const auto expiry = day(trimmed(c.record, DataSca));
             if (c.day && expiry && *expiry < *c.day)
                 return DataSca;
             return std::nullopt;
         }},
        {{lit("ESTREMI_MANCANTI"), lit("Transazione"),
          lit("Pagamento non in contanti senza gli estremi della transazione "
              "(D.Lgs. 92/2017, art. 5, c. 2, lett. a).")},
         [](const Card &c) -> std::optional<Field> {
             if (!c.cash && !empty(c.record, Mezzo) && empty(c.record, Transazione))
                 return Transazione;
             return std::nullopt;
         }},
        {{lit("FOTO_MANCANTI"), lit("FotoA"),
          lit("Servono due foto vere e diverse dell'oggetto prezioso (D.Lgs. 92/2017, art. 5, c. 2, lett. d).")},
         [](const Card &c) -> std::optional<Field> {
             const auto &p = c.facts.photos;
             if (p && (!p->realA || !p->realB || p->same))
                 return NumScheda;  // stands for the photo photoField() names
             return std::nullopt;
         },
         true},
        {{lit("FRAZIONATA_500"), lit("Importo"),
          lit("Pagamenti in contanti allo stesso cliente che in %FRAZ giorni raggiungono %SOGLIA €: "
              "operazione frazionata, serve un mezzo tracciabile (D.Lgs. 92/2017, art. 4, c. 2).")},
         [](const Card &c) -> std::optional<Field> {
             if (c.facts.splitPayment)
                 return Importo;
             return std::nullopt;
         }},
        {{lit("IMPORTO_MEZZO"), lit("Importo"),
          lit("Importo pagato nullo o mancante, o mezzo di pagamento non indicato "
              "(D.Lgs. 92/2017, art. 5, c. 2, lett. f).")},
         [](const Card &c) -> std::optional<Field> {
             if (!c.cents || *c.cents <= 0)
                 return Importo;
             if (empty(c.record, Mezzo))
                 return Mezzo;
             return std::nullopt;
         }},
        {{lit("NUMERO_DOPPIO"), lit("NumScheda"),
          lit("Numero di scheda già usato da un'altra scheda: la numerazione deve essere progressiva "
              "(D.Lgs. 92/2017, art. 5, c. 2).")},
         [](const Card &c) -> std::optional<Field> {
             if (c.facts.duplicateNumber)
                 return NumScheda;
             return std::nullopt;
         }},
        {{lit("OGGETTO_INCOMPLETO"), lit("Descrizione"),
          lit("Oggetto prezioso descritto in modo incompleto: descrizione, caratteristiche, natura e qualità "
              "(D.Lgs. 92/2017, art. 5, c. 2, lett. b).")},
         [](const Card &c) { return firstEmpty(c, {Descrizione, Caratteristiche, Natura}); }},
        {{lit("QUOTAZIONE_MANCANTE"), lit("Quotazione"),
          lit("Manca la quotazione dell'oro e dei metalli preziosi contenuti nell'oggetto "
              "(D.Lgs. 92/2017, art. 5, c. 2, lett. c).")},
         [](const Card &c) { return firstEmpty(c, {Quotazione}); }},
        {{lit("VALUTAZIONE_MANCANTE"), lit("Valutazione"),
          lit("Manca la valutazione dell'oggetto prezioso (D.Lgs. 92/2017, art. 5, c. 2, lett. c).")},
         [](const Card &c) { return firstEmpty(c, {Valutazione}); }},
        {{lit("VENDITA_ANTICIPATA"), lit("DataVen"),
          lit("Oggetto venduto prima che siano trascorsi %DET giorni dall'acquisto "
              "(TULPS, art. 128, ultimo comma).")},
         [](const Card &c) -> std::optional<Field> {
             const auto sale = day(trimmed(c.record, DataVen));
             if (c.day && sale && *sale < *c.day + c.settings.holdingDays)
                 return DataVen;
             return std::nullopt;
         }},
    };
    return table;
}

QString photoField(const CardFacts &facts)
{
    return facts.photos && facts.photos->realA && !facts.photos->same ? QStringLiteral("FotoB")
                                                                      : QStringLiteral("FotoA");
}

} // namespace

const QList<Rule> &rules()
{
    static const QList<Rule> list = [] {
        QList<Rule> out;
        for (const Entry &e : entries())
            out.append(e.rule);
        return out;
    }();
    return list;
}

QString text(const Rule &rule, const Settings &settings)
{
    QString t = rule.text;
    t.replace(QStringLiteral("%SOGLIA"), formatCents(settings.cashThresholdCents));
    t.replace(QStringLiteral("%FRAZ"), QString::number(settings.splitDays));
    t.replace(QStringLiteral("%DET"), QString::number(settings.holdingDays));
    return t;
}

bool isCash(const char *record) { return containsFolded(trimmed(record, Mezzo), "contant"); }

quint32 failedRules(const char *record, const Settings &settings, const CardFacts &facts,
                    QList<QString> *fields)
{
    const Card card{record, settings, facts, day(trimmed(record, Data)), cents(trimmed(record, Importo)),
                    isCash(record)};
    quint32 failed = 0;
    const QList<Entry> &table = entries();
    for (qsizetype i = 0; i < table.size(); ++i) {
        const auto field = table[i].check(card);
        if (!field)
            continue;
        failed |= quint32(1) << i;
        if (fields)
            fields->append(table[i].photos ? photoField(facts) : QString::fromLatin1(name(*field)));
    }
    return failed;
}

QList<Finding> checkCard(const char *record, const Settings &settings, const CardFacts &facts)
{
    QList<QString> fields;
    const quint32 failed = failedRules(record, settings, facts, &fields);
    QList<Finding> findings;
    const QList<Rule> &all = rules();
    for (qsizetype i = 0, f = 0; i < all.size(); ++i)
        if (failed & (quint32(1) << i))
            findings.append({all[i].code, fields[f++], text(all[i], settings)});
    return findings;
}

} // namespace Compliance
