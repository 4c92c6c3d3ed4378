#include "register/compliance/ComplianceSettings.h"
#include "storage/IniFile.h"

#include <optional>

namespace Compliance {

QString section() { return QStringLiteral("Conformità"); }
QString thresholdKey() { return QStringLiteral("Soglia contanti"); }
QString splitDaysKey() { return QStringLiteral("Giorni frazionamento"); }
QString holdingDaysKey() { return QStringLiteral("Giorni detenzione"); }

std::optional<qint64> parseThreshold(const QString &input)
{
    const QString text = input.trimmed();
    const qsizetype comma = text.indexOf(u',');
    const QString whole = comma < 0 ? text : text.left(comma);
    const QString decimals = comma < 0 ? QString() : text.mid(comma + 1);
    if (whole.isEmpty() || whole.size() > 12 || decimals.size() > 2)
        return std::nullopt;
    for (const QString &part : {whole, decimals})
        for (QChar c : part)
            if (c < u'0' || c > u'9')
                return std::nullopt;
    qint64 cents = whole.toLongLong() * 100;
    if (!decimals.isEmpty())
        cents += decimals.toLongLong() * (decimals.size() == 1 ? 10 : 1);
    if (cents <= 0)
        return std::nullopt;
    return cents;
}

std::optional<int> parseDays(const QString &input)
{
    const QString text = input.trimmed();
    if (text.isEmpty() || text.size() > 4)
        return std::nullopt;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const int days = text.toInt();
    if (days < 1 || days > 3650)
        return std::nullopt;
    return days;
}

QString formatCents(qint64 cents)
{
    return QString::number(cents / 100) + u',' + QStringLiteral("%1").arg(cents % 100, 2, 10, QChar(u'0'));
}

Settings readSettings(const QString &iniPath, QStringList *problems)
{
    Settings settings;
    const IniFile ini(iniPath);
    auto note = [&](const QString &key, const QString &value) {
        if (problems)
            *problems << QStringLiteral("Impostazione \"%1\" della sezione \"%2\" non valida (\"%3\"): "
                                        "si usa il valore predefinito.")
                             .arg(key, section(), value);
    };
    const QString threshold = ini.value(section(), thresholdKey());
    if (!threshold.trimmed().isEmpty()) {
        if (const auto cents = parseThreshold(threshold))
            settings.cashThresholdCents = *cents;
        else
            note(thresholdKey(), threshold);
    }
    for (auto [key, target] : {std::pair{splitDaysKey(), &settings.splitDays},
                               std::pair{holdingDaysKey(), &settings.holdingDays}}) {
        const QString value = ini.value(section(), key);
        if (value.trimmed().isEmpty())
            continue;
        if (const auto days = parseDays(value))
            *target = *days;
        else
            note(key, value);
    }
    return settings;
}

} // namespace Compliance
