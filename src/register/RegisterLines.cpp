#include "register/RegisterLines.h"
#include "storage/DataFolder.h"

namespace {
using Format = LineFormat;
template <class... A>
LineFormat::Column col(A &&...args) { return LineFormat::field<RegisterRecord>(std::forward<A>(args)...); }
}

namespace RegisterLines {

const LineFormat &search()
{
    static const Format f({
        col(QString(), "Natura", 30, QStringLiteral("Natura e qualità")),
        col(QStringLiteral("  -  "), "Descrizione", 50, QStringLiteral("Descrizione")),
        col(QStringLiteral("  Cliente: "), "Cliente", 32, QStringLiteral("Cognome e nome cliente")),
        col(QStringLiteral("  Importo: € "), "Importo", Format::kRest, QStringLiteral("Importo")),
    });
    return f;
}

const LineFormat &unsold()
{
    static const Format f({
        col(QString(), "Natura", 30, QStringLiteral("Natura e qualità")),
        col(QStringLiteral("  -  "), "Descrizione", 50, QStringLiteral("Descrizione")),
        col(QStringLiteral("  Valutazione: "), "Valutazione", 32, QStringLiteral("Valutazione")),
        col(QStringLiteral("  Prezzo: € "), "PrezzoVen", Format::kRest, QStringLiteral("Prezzo")),
    });
    return f;
}

const LineFormat &inventory()
{
    static const Format f({
        col(QString(), "Natura", 30, QStringLiteral("Natura e qualità")),
        col(QStringLiteral("  "), "Descrizione", 50, QStringLiteral("Descrizione")),
        col(QStringLiteral("  Data: "), "Data", 10, QStringLiteral("Data")),
        col(QStringLiteral("  Cliente: "), "Cliente", 30, QStringLiteral("Cognome e nome cliente")),
        col(QStringLiteral("  € "), "Importo", Format::kRest, QStringLiteral("Importo")),
    });
    return f;
}

bool isUnsold(const char *record)
{
    static const int index = RegisterRecordLayout::indexOf(u"Venduto");
    QByteArrayView flag = RegisterRecordLayout::rawField(record, index);
    while (!flag.isEmpty() && static_cast<unsigned char>(flag.front()) <= 32)
        flag = flag.sliced(1);
    while (!flag.isEmpty() && static_cast<unsigned char>(flag.back()) <= 32)
        flag.chop(1);
    return flag == QByteArrayView("No");
}

QString path() { return DataFolder::file(FileNames::registerArchive()); }

} // namespace RegisterLines
