#include "docview/ProfileStore.h"

namespace docview {

std::unique_ptr<QSettings> openProfileStore()
{
    // No vendor key of our own: the store is named after the program alone.
    return std::make_unique<QSettings>(QStringLiteral("zelmview"), QStringLiteral("zelmview"));
}

QString getProfileString(const QString& section, const QString& key, const QString& defaultValue)
{
    const auto store = openProfileStore();
    return store->value(section + QLatin1Char('/') + key, defaultValue).toString();
}

void writeProfileString(const QString& section, const QString& key, const QString& value)
{
    const auto store = openProfileStore();
    store->setValue(section + QLatin1Char('/') + key, value);
}

}  // namespace docview
