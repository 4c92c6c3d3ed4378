#include "ArchiveKinds.h"
#include "customers/CustomerRecord.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"
#include "storage/DataFolder.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <map>

namespace ArchiveKinds {

namespace {

using Contents = std::map<QString, Content>;

template <class R>
Kind kindOf(const QString &description, const Contents &contents)
{
    using L = RecordLayout<R>;
    Kind kind{description, L::size, {}, {}};
    for (std::size_t i = 0; i < L::fields.size(); ++i) {
        const QString name = QLatin1StringView(L::fields[i].name);
        const auto c = contents.find(name);
        kind.fields.append({name, L::offsets()[i], L::fields[i].capacity,
                            c == contents.end() ? Content::Text : c->second});
    }
    return kind;
}

Kind registerKind()
{
    Kind kind = kindOf<RegisterRecord>(QStringLiteral("Registro Operazioni"),
                                  {{QStringLiteral("Data"), Content::Date},
                                   {QStringLiteral("DataNasc"), Content::DateOrEmpty},
                                   {QStringLiteral("DataRil"), Content::DateOrEmpty},
                                   {QStringLiteral("DataSca"), Content::DateOrEmpty},
                                   {QStringLiteral("DataVen"), Content::DateOrEmpty},
                                   {QStringLiteral("Importo"), Content::AmountOrEmpty},
                                   {QStringLiteral("PrezzoVen"), Content::AmountOrEmpty},
                                   {QStringLiteral("Venduto"), Content::Flag}});
    kind.numberField = QStringLiteral("NumScheda");
    return kind;
}

Kind customerKind()
{
    return kindOf<CustomerRecord>(QStringLiteral("archivio clienti"),
                                  {{QStringLiteral("DataNasc"), Content::DateOrEmpty},
                                   {QStringLiteral("DataRil"), Content::DateOrEmpty},
                                   {QStringLiteral("DataSca"), Content::DateOrEmpty},
                                   {QStringLiteral("Decorrenza"), Content::Date},
                                   {QStringLiteral("Scadenza"), Content::Date},
                                   {QStringLiteral("Preavviso"), Content::NumberOrEmpty},
                                   {QStringLiteral("Totale"), Content::AmountOrEmpty},
                                   {QStringLiteral("Rata"), Content::AmountOrEmpty}});
}

Kind receiptKind()
{
    Contents contents{{QStringLiteral("Data"), Content::Date},
                      {QStringLiteral("Saldata"), Content::Flag}};
    for (const char *amount : {"TotCorrispettivi", "Acconti", "Tassa", "Totale"})
        contents[QLatin1StringView(amount)] = Content::AmountOrEmpty;
    for (int line = 1; line <= 30; ++line)
        contents[QStringLiteral("Prezzo%1").arg(line, 2, 10, QLatin1Char('0'))] = Content::AmountOrEmpty;
    Kind kind = kindOf<ReceiptRecord>(QStringLiteral("archivio ricevute"), contents);
    kind.numberField = QStringLiteral("NumRic");
    return kind;
}

} // namespace

std::optional<Kind> forFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (name == FileNames::registerArchive())
        return registerKind();
    if (name == FileNames::customerArchive())
        return customerKind();
    static const QRegularExpression year(QStringLiteral("^\\d{4}\\.ric$"));
    if (year.match(name).hasMatch())
        return receiptKind();
    return std::nullopt;
}

} // namespace ArchiveKinds
